"""A reader for the parts of a PE (Windows executable) file that the artifact checks look at:
headers, imported DLL names, exported names and the resource tree. Standard library only."""
import struct

IMAGE_FILE_DLL = 0x2000
DIR_EXPORT, DIR_IMPORT, DIR_RESOURCE, DIR_DELAY_IMPORT = 0, 1, 2, 13


class PeError(Exception):
    pass


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise PeError("no MZ header: not a Windows executable")
        pe = self._u32(0x3C)
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        (self.machine, sections, _, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        self.magic = self._u16(optional)
        if self.magic not in (0x10B, 0x20B):
            raise PeError(f"unknown optional header magic {self.magic:#x}")
        self.subsystem = self._u16(optional + 68)
        dirs = optional + (96 if self.magic == 0x10B else 112)
        count = self._u32(dirs - 4)
        self.directories = [struct.unpack_from("<II", self.data, dirs + 8 * i) for i in range(count)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", self.data, table + 40 * i)
                         for i in range(sections)]

    def _u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def _u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for _, vsize, vaddr, raw_size, raw_pointer in self.sections:
            if vaddr <= rva < vaddr + max(vsize, raw_size):
                return raw_pointer + rva - vaddr
        raise PeError(f"address {rva:#x} lies in no section")

    def _string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def directory(self, index):
        """(file offset, size) of a data directory, or None when the file has none."""
        if index >= len(self.directories) or not self.directories[index][0]:
            return None
        rva, size = self.directories[index]
        return self.offset(rva), size

    def imported_dlls(self):
        """Every DLL named by the import table and by the delay-load import table."""
        names = []
        for index, stride, name_at in ((DIR_IMPORT, 20, 12), (DIR_DELAY_IMPORT, 32, 4)):
            found = self.directory(index)
            at = found[0] if found else None
            while at is not None and any(self.data[at:at + stride]):
                names.append(self._string(self._u32(at + name_at)))
                at += stride
        return names

    def exported_names(self):
        found = self.directory(DIR_EXPORT)
        if not found:
            return []
        count, names = self._u32(found[0] + 24), self.offset(self._u32(found[0] + 32))
        return [self._string(self._u32(names + 4 * i)) for i in range(count)]

    def resources(self):
        """Every resource as {(type, name, language): bytes}; numeric ids stay ints, names
        become strings."""
        found = self.directory(DIR_RESOURCE)
        if not found:
            return {}
        base = found[0]
        out = {}

        def walk(table, path):
            named, numbered = struct.unpack_from("<HH", self.data, table + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, table + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = self._u16(at)
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), path + (key,))
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(rva)
                    out[path + (key,)] = self.data[start:start + size]
        walk(base, ())
        return out
