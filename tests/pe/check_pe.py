#!/usr/bin/python3
"""Checks a built Brintel.exe: image kind, subsystem, hardening flags, imported
DLLs and the icon, version and manifest resources.

    /usr/bin/python3 tests/pe/check_pe.py PATH/Brintel.exe [--machine i386|amd64]

Prints one line per failed check and exits 0 only when every check passes.
Needs Debian's python3-pefile.
"""

import argparse
import fnmatch
import struct
import sys
import xml.etree.ElementTree as ET

import pefile

MACHINES = {
    # name: (IMAGE_FILE_HEADER.Machine, optional header magic, its name)
    "i386": (0x014C, 0x010B, "PE32"),
    "amd64": (0x8664, 0x020B, "PE32+"),
}

IMAGE_SUBSYSTEM_WINDOWS_GUI = 2

# A statically linked build imports only DLLs that ship with Windows; a
# libstdc++, libgcc or libwinpthread import means the static link failed.
ALLOWED_DLLS = (
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll",
    "comctl32.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "msvcrt.dll", "shlwapi.dll",
    "uxtheme.dll", "version.dll", "api-ms-win-crt-*.dll",
)

# (width, height, bits per pixel) of the application icon's images.
EXPECTED_ICON_IMAGES = {(32, 32, 8), (24, 24, 8), (32, 32, 32), (24, 24, 32)}

RT_ICON = pefile.RESOURCE_TYPE["RT_ICON"]
RT_GROUP_ICON = pefile.RESOURCE_TYPE["RT_GROUP_ICON"]
RT_MANIFEST = pefile.RESOURCE_TYPE["RT_MANIFEST"]
CREATEPROCESS_MANIFEST_RESOURCE_ID = 1
COMMON_CONTROLS = "Microsoft.Windows.Common-Controls"


class Report:
    def __init__(self):
        self.failures = []

    def fail(self, message):
        self.failures.append(message)
        print("FAIL: " + message)

    def check(self, condition, message):
        if not condition:
            self.fail(message)
        return condition


def resource_data(pe, type_entry):
    """All (id, bytes) pairs below a resource type entry, over every language."""
    out = []
    for name_entry in type_entry.directory.entries:
        ident = name_entry.id if name_entry.name is None else str(name_entry.name)
        for lang_entry in name_entry.directory.entries:
            data = lang_entry.data.struct
            out.append((ident, pe.get_data(data.OffsetToData, data.Size)))
    return out


def resources_of_type(pe, type_id):
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return []
    for entry in root.entries:
        if entry.id == type_id:
            return resource_data(pe, entry)
    return []


def check_image(pe, machine, report):
    want_machine, want_magic, kind = MACHINES[machine]
    got_machine = pe.FILE_HEADER.Machine
    report.check(got_machine == want_machine,
                 "machine is 0x%04X, expected 0x%04X (%s)" % (got_machine, want_machine, machine))
    got_magic = pe.OPTIONAL_HEADER.Magic
    report.check(got_magic == want_magic,
                 "optional header magic is 0x%03X, expected 0x%03X (%s)" % (got_magic, want_magic, kind))
    subsystem = pe.OPTIONAL_HEADER.Subsystem
    report.check(subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI,
                 "subsystem is %d, expected %d (WINDOWS_GUI)" % (subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI))


def dll_allowed(name):
    lowered = name.lower()
    return any(fnmatch.fnmatchcase(lowered, pattern) for pattern in ALLOWED_DLLS)


def check_imports(pe, report):
    dlls = [entry.dll.decode("ascii", "replace")
            for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
    dlls += [entry.dll.decode("ascii", "replace")
             for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    if not report.check(dlls, "no imported DLLs found"):
        return
    for dll in dlls:
        report.check(dll_allowed(dll), "imports %s, which is not a system DLL" % dll)
    # Mouse-leave tracking is looked up at run time where the probe found it, so the program
    # still starts on a system whose user32 lacks it.
    names = {imported.name.decode("ascii", "replace")
             for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) for imported in entry.imports if imported.name}
    for name in ("TrackMouseEvent", "_TrackMouseEvent"):
        report.check(name not in names, "imports %s, which must be looked up when it is used" % name)


def check_icon(pe, report):
    groups = resources_of_type(pe, RT_GROUP_ICON)
    if not report.check(len(groups) == 1, "expected one RT_GROUP_ICON, found %d" % len(groups)):
        return
    icons = dict(resources_of_type(pe, RT_ICON))
    data = groups[0][1]
    if not report.check(len(data) >= 6, "RT_GROUP_ICON is too short (%d bytes)" % len(data)):
        return
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    report.check(kind == 1, "RT_GROUP_ICON type is %d, expected 1 (icon)" % kind)
    if not report.check(len(data) >= 6 + 14 * count,
                        "RT_GROUP_ICON holds %d entries but only %d bytes" % (count, len(data))):
        return
    found = []
    for i in range(count):
        width, height, _, _, _, bits, size, ident = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        width, height = width or 256, height or 256
        found.append((width, height, bits))
        image = icons.get(ident)
        if not report.check(image is not None,
                            "icon entry %d (%dx%d, %d bpp) names RT_ICON %d, which is missing"
                            % (i, width, height, bits, ident)):
            continue
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            report.fail("icon entry %d (%dx%d, %d bpp) is stored as PNG, expected BMP"
                        % (i, width, height, bits))
            continue
        header_size, bw, bh, _, bbits = struct.unpack_from("<IiiHH", image, 0)
        report.check((header_size, bw, bh, bbits) == (40, width, 2 * height, bits),
                     "RT_ICON %d: bitmap header says %dx%d/2 at %d bpp (size %d), directory says %dx%d at %d bpp"
                     % (ident, bw, bh, bbits, header_size, width, height, bits))
    report.check(count == 4 and set(found) == EXPECTED_ICON_IMAGES,
                 "icon images are %s, expected exactly %s"
                 % (sorted(found), sorted(EXPECTED_ICON_IMAGES)))


def string_table(pe):
    strings = {}
    for info_list in getattr(pe, "FileInfo", []):
        for info in info_list:
            if getattr(info, "Key", b"") == b"StringFileInfo":
                for table in info.StringTable:
                    for key, value in table.entries.items():
                        strings[key.decode("utf-8", "replace")] = value.decode("utf-8", "replace")
    return strings


def check_version(pe, report):
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not report.check(fixed, "no VS_VERSIONINFO resource"):
        return
    ffi = fixed[0]
    version = (ffi.FileVersionMS >> 16, ffi.FileVersionMS & 0xFFFF,
               ffi.FileVersionLS >> 16, ffi.FileVersionLS & 0xFFFF)
    report.check(version == (1, 0, 0, 0),
                 "fixed FileVersion is %s, expected 1.0.0.0" % ".".join(map(str, version)))
    strings = string_table(pe)
    for key, want in (("ProductName", "Tarnwick"), ("CompanyName", "Olvenar"),
                      ("ProductVersion", "1.00")):
        got = strings.get(key)
        report.check(got == want, "version string %s is %r, expected %r" % (key, got, want))


def local_name(tag):
    return tag.rsplit("}", 1)[-1]


def check_manifest(pe, report):
    manifests = resources_of_type(pe, RT_MANIFEST)
    if not report.check(manifests, "no RT_MANIFEST resource"):
        return
    ids = [ident for ident, _ in manifests]
    # Only the manifest with this id is read when the process starts.
    report.check(CREATEPROCESS_MANIFEST_RESOURCE_ID in ids,
                 "RT_MANIFEST ids are %s, expected %d (CREATEPROCESS_MANIFEST_RESOURCE_ID)"
                 % (ids, CREATEPROCESS_MANIFEST_RESOURCE_ID))
    text = dict(manifests).get(CREATEPROCESS_MANIFEST_RESOURCE_ID, manifests[0][1])
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        report.fail("manifest is not well-formed XML: %s" % error)
        return
    versions = [element.get("version")
                for element in root.iter()
                if local_name(element.tag) == "assemblyIdentity"
                and element.get("name") == COMMON_CONTROLS]
    if report.check(versions, "manifest has no dependency on %s" % COMMON_CONTROLS):
        report.check("6.0.0.0" in versions,
                     "manifest binds %s version %s, expected version=\"6.0.0.0\""
                     % (COMMON_CONTROLS, ", ".join(map(str, versions))))


# Address-space layout randomisation and data execution prevention; on 64 bits also the
# high-entropy address space.
IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA = 0x0020
IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE = 0x0040
IMAGE_DLLCHARACTERISTICS_NX_COMPAT = 0x0100


def check_hardening(pe, machine, report):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    wanted = {"DYNAMIC_BASE": IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, "NX_COMPAT": IMAGE_DLLCHARACTERISTICS_NX_COMPAT}
    if machine == "amd64":
        wanted["HIGH_ENTROPY_VA"] = IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA
    for name, bit in wanted.items():
        report.check(flags & bit, "DllCharacteristics 0x%04X lacks %s" % (flags, name))
    # The relocations that make the random base possible must still be there.
    report.check(not pe.FILE_HEADER.Characteristics & 0x0001, "relocations were stripped")
    for section in pe.sections:
        writable = section.Characteristics & 0x80000000
        executable = section.Characteristics & 0x20000000
        name = section.Name.rstrip(b"\0").decode(errors="replace")
        report.check(not (writable and executable), "section %s is both writable and executable" % name)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--machine", choices=sorted(MACHINES), default="i386")
    args = parser.parse_args(argv)

    report = Report()
    try:
        pe = pefile.PE(args.exe)
    except (OSError, pefile.PEFormatError) as error:
        report.fail("cannot read %s as a PE image: %s" % (args.exe, error))
        return 1
    check_image(pe, args.machine, report)
    check_hardening(pe, args.machine, report)
    check_imports(pe, report)
    check_icon(pe, report)
    check_version(pe, report)
    check_manifest(pe, report)
    if report.failures:
        print("%s: %d check(s) failed" % (args.exe, len(report.failures)))
        return 1
    print("%s: all checks passed" % args.exe)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
