#!/usr/bin/env python3
"""Writes the third-party notices of a program from what its link used.

The linker's map names every archive member and object file that went into the program. Each
is attributed to:
  - Qt, for files of the static Qt: the qt_attribution.json entries of the very source it was
    built from whose folder (or Path, or Files) holds a source file of that member's name, or
    else the Qt module or plugin the archive is;
  - a Debian package, for files of this machine (MinGW-w64's runtime, GCC's libraries): the
    package's copyright file;
  - nobody, for the program's own build tree.
Files carried as resources (--resource) are attributed like this machine's files. A file that
fits none of these stops the build: nothing goes into the program unnamed.

  third_party_notices.py --map M --build-dir B --qt-prefix P --qt-source S --out NOTICES.txt
      [--resource FILE]...
  third_party_notices.py --check --map M ... NOTICES.txt   fails if a linked component is unnamed
  third_party_notices.py --cves LIST --map M ...    fails if a listed CVE is linked unpatched
The static Qt's folder may hold flightcalc-qt-unity.txt, the sources inside each of its unity
objects, and flightcalc-qt-patches/, the patches it was built with (cmake/qt-patches).
"""
import argparse
import collections
import functools
import json
import os
import re
import subprocess
import sys
import tarfile

QT_LICENCE = ("LGPL-3.0-only",
              "GNU Lesser General Public License v3.0 only (the GNU General Public License v3.0 "
              "it builds on follows it)")


def linked_files(map_path):
    """(archive or None, member or object path) for everything the map says was linked."""
    with open(map_path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    members = set(re.findall(r"^(\S+\.a)\((\S+?)\)$", text, re.M))
    objects = {(None, path) for path in re.findall(r"^LOAD (\S+\.(?:o|obj))$", text, re.M)}
    return sorted(members | objects, key=lambda item: (item[0] or "", item[1]))


def under(path, folder):
    return os.path.commonpath([os.path.realpath(path), os.path.realpath(folder)]) == \
        os.path.realpath(folder)


class QtSource:
    """The attribution entries and file names of the Qt source the static Qt was built from."""

    def __init__(self, source_dir, unity_list=None):
        # A unity object holds several sources: their names, from the Qt build.
        self.unity = {}
        if unity_list and os.path.exists(unity_list):
            with open(unity_list, encoding="utf-8") as f:
                for line in f:
                    archive, member, *sources = line.split()
                    self.unity[(archive, member)] = sources
        tarballs = [f for f in os.listdir(source_dir) if f.endswith(".orig.tar.xz")]
        if len(tarballs) != 1:
            sys.exit(f"notices: no single .orig.tar.xz in {source_dir}")
        self.texts = {}
        self.by_name = collections.defaultdict(list)
        self.entries = []
        wanted = []
        with tarfile.open(os.path.join(source_dir, tarballs[0])) as tar:
            for member in tar:
                if not member.isfile():
                    continue
                path = member.name.split("/", 1)[1]
                self.by_name[os.path.basename(path)].append(path)
                if path.endswith("qt_attribution.json") or path.startswith("LICENSES/"):
                    wanted.append((path, member))
            for path, member in wanted:
                self.texts[path] = tar.extractfile(member).read().decode("utf-8", "replace")
            # The licence and copyright files the entries name, read in a second pass.
            names = set()
            for path, text in list(self.texts.items()):
                if path.endswith("qt_attribution.json"):
                    for entry in self.parse(path, text):
                        self.entries.append(entry)
                        names.update(entry["files"])
        with tarfile.open(os.path.join(source_dir, tarballs[0])) as tar:
            for member in tar:
                if member.isfile() and member.name.split("/", 1)[1] in names:
                    path = member.name.split("/", 1)[1]
                    self.texts[path] = tar.extractfile(member).read().decode("utf-8", "replace")

    @staticmethod
    def parse(path, text):
        folder = os.path.dirname(path)
        data = json.loads(text, strict=False)
        for entry in data if isinstance(data, list) else [data]:
            if "Path" in entry:
                scopes = [os.path.normpath(os.path.join(folder, entry["Path"]))]
            elif "Files" in entry:
                files = entry["Files"]
                files = files.split() if isinstance(files, str) else files
                scopes = [os.path.normpath(os.path.join(folder, f)) for f in files]
            else:
                scopes = [folder]
            licences = entry.get("LicenseFiles") or [entry["LicenseFile"]] \
                if "LicenseFile" in entry or "LicenseFiles" in entry else []
            copyright_file = entry.get("CopyrightFile")
            yield {
                "id": entry["Id"], "name": entry["Name"], "version": entry.get("Version", ""),
                "licence": f'{entry.get("License", "")} ({entry.get("LicenseId", "")})',
                # A string, or (in newer Qt) a list of lines.
                "copyright": "\n".join(c) if isinstance(c := entry.get("Copyright", ""), list)
                else c, "scopes": scopes,
                "licence_files": [os.path.normpath(os.path.join(folder, f)) for f in licences],
                "copyright_file": copyright_file and os.path.normpath(os.path.join(folder, copyright_file)),
                "files": [os.path.normpath(os.path.join(folder, f))
                          for f in licences + ([copyright_file] if copyright_file else [])],
            }

    def entries_for(self, member, archive):
        name = re.sub(r"\.(obj|o)$", "", os.path.basename(member))
        sources = self.unity.get((os.path.basename(archive or ""), os.path.basename(member))) \
            or self.by_name.get(name, [])
        # A library Qt bundles on its own (libQt6BundledZLIB.a) is built from its own folder.
        bundled = re.match(r"libQt6Bundled([A-Za-z0-9]+)\.a$", os.path.basename(archive or ""))
        if bundled:
            own = [s for s in sources if re.search(
                "/3rdparty/(lib)?" + re.escape(bundled.group(1).lower()), s.lower())]
            sources = own or sources
        found = []
        for source in sources:
            for entry in self.entries:
                if any(source == s or source.startswith(s + "/") for s in entry["scopes"]):
                    if entry not in found:
                        found.append(entry)
        return found


def qt_part(relative):
    """Qt's own code: a module (libQt6Core.a, its resources), a plugin (libqwindows.a, its
    initialiser)."""
    name = os.path.basename(relative)
    target = re.search(r"objects-\w+/([A-Za-z0-9]+?)(_init|_resources_\d+)?/", relative)
    if target:
        name = target.group(1)
    elif relative.startswith("plugins/"):
        name = re.sub(r"^lib|\.a$", "", name)
    else:
        name = re.sub(r"^libQt6|\.a$", "", name)
    return ("Qt plugin " if relative.startswith("plugins/") else "Qt ") + name


@functools.lru_cache(maxsize=None)
def debian_package(path):
    out = subprocess.run(["dpkg-query", "-S", os.path.realpath(path)], capture_output=True,
                         text=True)
    if out.returncode != 0:
        out = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True)
    if out.returncode != 0:
        return None
    package = out.stdout.split(":")[0].split(",")[0].strip()
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                             capture_output=True, text=True, check=True).stdout
    with open(os.path.realpath(f"/usr/share/doc/{package}/copyright"), encoding="utf-8") as f:
        return package, version, f.read()


def read_patches(folder):
    """(folder, file, CVEs, origin, files it changes) of each patch the Qt was built with."""
    patches = []
    with open(os.path.join(folder, "series"), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                where, name, cves, origin = line.split(None, 3)
                with open(os.path.join(folder, name), encoding="utf-8") as patch:
                    # patch -p1: the first part of each path is dropped.
                    changed = [os.path.normpath(os.path.join(where, path.split("/", 1)[1]))
                               for path in re.findall(r"^\+\+\+ (\S+)", patch.read(), re.M)]
                patches.append((os.path.normpath(where), name,
                                [] if cves == "-" else cves.split(","), origin.strip(), changed))
    return patches


def patches_of(patches, scopes):
    """The patches that change a component's files ("." for Qt's own code: its own patches)."""
    if scopes == ["."]:
        return [p for p in patches if p[0] == "."]
    return [p for p in patches if p[0] != "." and any(
        path == s or path.startswith(s + "/") for path in p[4] for s in scopes)]


def patch_lines(patches):
    return [f"Patched: {name}{' (' + ', '.join(cves) + ')' if cves else ''}, {origin}"
            for _, name, cves, origin, _ in patches]


def version_key(version):
    return tuple(int(n) for n in re.findall(r"\d+", version))


def check_cves(args, qt_bundled):
    """Fails if a CVE of the list is in the program: its component linked, older than the fix,
    its code (the symbols the list names, or else any) in the link, and no patch naming it."""
    with open(args.map, encoding="utf-8", errors="replace") as f:
        symbols = f.read().split("Linker script and memory map", 1)[-1]
    linked = {entry["id"]: (entry["version"], patches_of(args.patches, entry["scopes"]))
              for entry, _ in qt_bundled.values()}
    linked["qtbase"] = (args.qt_version.split()[0], patches_of(args.patches, ["."]))
    failures = []
    with open(args.cves, encoding="utf-8") as f:
        rows = [line.split() for line in f if line.strip() and not line.startswith("#")]
    for component, cve, fixed, *code in rows:
        version, patched = linked.get(component, (None, []))
        if version is None:
            state = "not linked"
        elif fixed != "-" and version_key(version) >= version_key(fixed):
            state = f"{version}, fixed in {fixed}"
        elif code and not any(name in symbols for name in code):
            state = f"{version}, its code not linked"
        elif any(cve in p[2] for p in patched):
            state = f"{version}, patched"
        else:
            state = f"{version}, LINKED UNPATCHED"
            failures.append(cve)
        print(f"cves: {component} {cve}: {state}")
    if failures:
        sys.exit("cves: the program carries " + ", ".join(failures))


def collect(args):
    """Components in a fixed order: Qt's modules, Qt's bundled code, this machine's packages."""
    qt = QtSource(args.qt_source, args.qt_prefix and os.path.join(
        args.qt_prefix, "flightcalc-qt-unity.txt")) if args.qt_source else None
    qt_modules = collections.defaultdict(set)
    qt_bundled = collections.OrderedDict()
    packages = collections.OrderedDict()
    unknown = []
    linked = [(a, m) for a, m in linked_files(args.map)] + [(None, r) for r in args.resource]
    for archive, member in linked:
        path = archive or member
        if under(path, args.build_dir):
            continue
        if args.qt_prefix and under(path, args.qt_prefix):
            relative = os.path.relpath(os.path.realpath(path), os.path.realpath(args.qt_prefix))
            entries = qt.entries_for(member, archive)
            for entry in entries:
                qt_bundled.setdefault(entry["id"], (entry, set()))[1].add(os.path.basename(relative))
            if not entries:
                qt_modules[qt_part(relative)].add(os.path.basename(relative))
            continue
        package = debian_package(path)
        if package is None:
            unknown.append(path)
            continue
        packages.setdefault(package[0], (package, set()))[1].add(path)
    if unknown:
        sys.exit("notices: linked from no known source: " + ", ".join(sorted(set(unknown))))
    return qt, qt_modules, qt_bundled, packages


def write(args, qt, qt_modules, qt_bundled, packages):
    licence_texts = collections.OrderedDict()  # text -> names

    def licence(text, owner):
        licence_texts.setdefault(text.strip(), []).append(owner)

    out = [f"{args.title}: third-party notices", "",
           f"{args.program} is built from its own source and contains the components below, "
           "each under its own licence. The full texts follow the list. Its picture and icon are "
           "its own art, drawn as SVG and rendered by rsvg-convert as it is built.", ""]
    if qt_modules:
        out += [f"== Qt {args.qt_version} ==",
                "Modules and plugins: " + ", ".join(sorted(qt_modules)),
                f"Licence: {QT_LICENCE[1]}",
                "Copyright (C) The Qt Company Ltd. and other contributors.",
                "Linked from: " + ", ".join(sorted(set().union(*qt_modules.values()))),
                "Qt is linked statically. " + args.relink_note]
        out += patch_lines(patches_of(args.patches, ["."])) + [""]
        for name in (QT_LICENCE[0], "GPL-3.0-only"):
            licence(qt.texts[f"LICENSES/{name}.txt"], f"Qt ({name})")
    for entry, archives in qt_bundled.values():
        copyright_text = entry["copyright"] or qt.texts.get(entry["copyright_file"], "")
        out += [f"== {entry['name']}{' ' + entry['version'] if entry['version'] else ''}"
                f" (bundled with Qt) ==",
                f"Licence: {entry['licence']}", copyright_text.strip(),
                "Linked from: " + ", ".join(sorted(archives))]
        out += patch_lines(patches_of(args.patches, entry["scopes"])) + [""]
        for path in entry["licence_files"]:
            licence(qt.texts[path], entry["name"])
    for (package, version, copyright_text), paths in packages.values():
        out += [f"== Debian package {package} {version} ==",
                "Linked from: " + ", ".join(sorted(paths)),
                "Its copyright and licences, as Debian gives them:", "", copyright_text.strip(), ""]
    out += ["", "==== Licence texts ====", ""]
    for text, owners in licence_texts.items():
        out += ["---- " + "; ".join(dict.fromkeys(owners)) + " ----", "", text, ""]
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--map", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--qt-prefix")
    parser.add_argument("--qt-source")
    parser.add_argument("--qt-version", default="")
    parser.add_argument("--resource", action="append", default=[])
    parser.add_argument("--title", default="")
    parser.add_argument("--program", default="The program")
    parser.add_argument("--relink-note", default="")
    parser.add_argument("--out")
    parser.add_argument("--check", metavar="NOTICES")
    parser.add_argument("--cves", metavar="LIST")
    args = parser.parse_args()
    patches = args.qt_prefix and os.path.join(args.qt_prefix, "flightcalc-qt-patches")
    args.patches = read_patches(patches) if patches and os.path.isdir(patches) else []
    if args.check:
        # Read apart from the attribution: every file the link took from outside the program's
        # own build, and the package of each of this machine's, is named in the notices.
        with open(args.check, encoding="utf-8") as f:
            shipped = f.read()
        names = set()
        for archive, member in linked_files(args.map) + [(None, r) for r in args.resource]:
            path = archive or member
            if not under(path, args.build_dir):
                names.add(os.path.basename(path))
                if not (args.qt_prefix and under(path, args.qt_prefix)):
                    package = debian_package(path)
                    names.add(f"Debian package {package[0] if package else path}")
        missing = sorted(n for n in names if n not in shipped)
        if missing:
            sys.exit(f"notices: {args.check} does not name " + ", ".join(missing))
        print(f"notices: {args.check} names all {len(names)} files and packages the link used")
        return
    components = collect(args)
    if args.cves:
        check_cves(args, components[2])
        return
    text = write(args, *components)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
