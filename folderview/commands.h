// The two commands of the main window: click handlers of 按钮1 and 按钮2.
#pragma once

void Generate();
void Restore();
