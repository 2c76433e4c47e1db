#!/usr/bin/env python3
"""Structural checks of the i686 product: filled in as the artifacts take shape."""
import sys
sys.exit(0)
