#!/usr/bin/env python3
"""Writes the notices of everything the page carries that is not the calculator's own.

From what the link used (the WebAssembly linker's map: emscripten's libc, libc++, libc++abi,
compiler-rt and the rest, down to the members it took), from the headers the compiler read
(Ninja's record of them: libc++'s headers, fast_float), from emscripten's JavaScript runtime
and from the files given (the face). Each is named with its Debian package and version, and
the copyright and licence its Debian copyright file gives that file; the licence texts follow.
"""
import argparse
import pathlib
import re
import subprocess
import sys

EMSCRIPTEN = pathlib.Path("/usr/share/emscripten")
# Where the sources of each of emscripten's libraries lie, for the members the link took.
LIBRARY_SOURCES = {
    "libc": "system/lib/libc", "libc++": "system/lib/libcxx", "libc++abi": "system/lib/libcxxabi",
    "libcompiler_rt": "system/lib/compiler-rt", "libunwind": "system/lib/libunwind",
    "libdlmalloc": "system/lib", "libemmalloc": "system/lib", "libstubs": "system/lib/libc",
    "libstandalonewasm": "system/lib/standalone", "libsockets": "system/lib/libc", "libnoexit": "system/lib/libc",
    "libembind": "system/lib/embind",
}
# The JavaScript the link wraps around the module; embind's, where the link used embind.
RUNTIME = "src/library.js"
EMBIND_RUNTIME = ["src/embind/embind.js", "src/embind/embind_shared.js", "src/embind/emval.js"]


def package_of(path):
    out = subprocess.run(["dpkg", "-S", str(path)], capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit(f"notices: {path} belongs to no Debian package; its notice is unknown")
    return out.stdout.split(":")[0].strip()


def version_of(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True,
                          text=True, check=True).stdout


def paragraphs(text):
    """A Debian copyright file's paragraphs, each a dict of its fields."""
    result = []
    for block in re.split(r"\n\s*\n", text):
        fields, name = {}, None
        for line in block.splitlines():
            if line.startswith((" ", "\t")) and name:
                fields[name] += "\n" + line
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
        if fields:
            result.append(fields)
    return result


def glob_regex(pattern):
    return re.compile("".join(".*" if c == "*" else "." if c == "?" else re.escape(c)
                              for c in pattern) + r"\Z")


def licence_names(expression):
    expression = re.sub(r"\bwith\b.*?\bexception\b", "", expression.splitlines()[0])
    return [n.strip() for n in re.split(r"\bor\b|\band\b|,", expression) if n.strip()]


class CopyrightFile:
    def __init__(self, package):
        text = pathlib.Path(f"/usr/share/doc/{package}/copyright").read_text(encoding="utf-8")
        self.text = text
        parts = paragraphs(text)
        self.files = [(p, [glob_regex(g) for g in p["Files"].split()]) for p in parts if "Files" in p]
        self.licences = {p["License"].splitlines()[0].strip(): p["License"]
                         for p in parts if "License" in p and "Files" not in p}
        self.machine_readable = bool(self.files)

    def paragraph_for(self, relative):
        """The last files paragraph whose patterns match, as the format says."""
        found = None
        for paragraph, patterns in self.files:
            if any(p.match(relative) for p in patterns):
                found = paragraph
        return found


def used_members(map_file):
    """(library, member) pairs and plain objects the map shows as inputs."""
    members, objects = set(), set()
    for line in pathlib.Path(map_file).read_text(encoding="utf-8", errors="replace").splitlines():
        for archive, member in re.findall(r"(\S+\.a)\(([^)]+)\)", line):
            # The project's own libraries are not emscripten's.
            if archive.startswith(str(EMSCRIPTEN)):
                members.add((pathlib.Path(archive).name, member))
        for obj in re.findall(r"\s(/\S+\.o):", line):
            objects.add(obj)
    return members, objects


def sources_of(library, member):
    """The emscripten sources a library member was compiled from, relative to its root."""
    name = library.removesuffix(".a").split("-")[0]  # libc++-except.a is a build of libc++
    folder = LIBRARY_SOURCES.get(name)
    if folder is None:
        sys.exit(f"notices: the link used {library}, whose sources this script does not know")
    stem = re.sub(r"(_\d+)?\.o$", "", member)
    found = sorted(p.relative_to(EMSCRIPTEN).as_posix() for p in (EMSCRIPTEN / folder).rglob("*")
                   if p.is_file() and p.stem == stem and p.suffix in {".c", ".cpp", ".S", ".s"})
    return found or [f"{folder}/{member}"]


def headers_read(ninja, build):
    """Files outside the project that the compiler read for the core, from Ninja's record of
    each object's headers (it keeps them in its log, not in depfiles)."""
    listing = subprocess.run([ninja, "-C", build, "-t", "deps"], capture_output=True, text=True,
                             check=True).stdout
    read, wanted = set(), False
    for line in listing.splitlines():
        if line and not line[0].isspace():
            # The core's objects alone: the tests' headers are in no page.
            wanted = line.split("/", 1)[0] in {"convert", "calc", "web"}
        elif wanted and line.strip():
            resolved = (pathlib.Path(build) / line.strip()).resolve()
            if str(resolved).startswith("/usr/"):
                read.add(source_of_header(resolved))
    return read


SYSROOT = EMSCRIPTEN / "cache/sysroot/include"
# Where emscripten's sysroot headers are copied from.
HEADER_SOURCES = ["system/lib/libcxx/include", "system/lib/libcxxabi/include", "system/include",
                  "system/lib/libc/musl/include", "system/lib/libc/musl/arch/emscripten",
                  "system/lib/libc/musl/arch/generic"]


def source_of_header(path):
    if not path.is_relative_to(SYSROOT):
        return str(path)
    inside = path.relative_to(SYSROOT).as_posix().removeprefix("c++/v1/")
    for folder in HEADER_SOURCES:
        if (EMSCRIPTEN / folder / inside).is_file():
            return str(EMSCRIPTEN / folder / inside)
    return str(EMSCRIPTEN / "system/include" / inside)


def folded(files):
    """The files, those of one folder counted together: a folder's headers are many."""
    folders = {}
    for f in files:
        folders.setdefault(str(pathlib.PurePosixPath(f).parent), []).append(f)
    return ", ".join(names[0] if len(names) == 1 else f"{folder}/ ({len(names)} files)"
                     for folder, names in sorted(folders.items()))


def main():
    args = argparse.ArgumentParser(description=__doc__)
    args.add_argument("--map", required=True)
    args.add_argument("--ninja", required=True)
    args.add_argument("--build", required=True, help="the build folder")
    args.add_argument("--file", action="append", default=[], help="a file carried as it is")
    args.add_argument("--out", required=True)
    options = args.parse_args()

    # What each package contributes: the files of it the page carries, relative to its tree.
    used = {}
    members, _ = used_members(options.map)
    if not members:
        sys.exit("notices: the map lists no library; was it written by the linker?")
    for library, member in members:
        used.setdefault("emscripten", set()).update(sources_of(library, member))
    used["emscripten"].add(RUNTIME)
    if any(library.startswith("libembind") for library, _ in members):
        used["emscripten"].update(EMBIND_RUNTIME)
    for path in headers_read(options.ninja, options.build) | {str(pathlib.Path(f).resolve()) for f in options.file}:
        package = package_of(path)
        relative = path.removeprefix(str(EMSCRIPTEN) + "/") if package == "emscripten" else path
        used.setdefault(package, set()).add(relative)

    out = ["Калькулятор рейса, the web page: what it carries that is not the calculator's own.",
           "The picture is the calculator's own art, drawn as SVG. Each part below is named with the",
           "Debian package it was built from and that package's copyright and licence for it; the",
           "licence texts follow.", ""]
    texts = {}
    for package in sorted(used):
        copyright = CopyrightFile(package)
        out.append(f"=== {package} {version_of(package)} ===")
        if not copyright.machine_readable:
            out += [copyright.text.strip(), ""]
            continue
        grouped = {}
        for relative in sorted(used[package]):
            paragraph = copyright.paragraph_for(relative)
            if paragraph is None:
                sys.exit(f"notices: no paragraph of {package}'s copyright covers {relative}")
            grouped.setdefault(id(paragraph), (paragraph, []))[1].append(relative)
        for paragraph, files in grouped.values():
            out.append("Used: " + folded(files))
            out.append("Copyright: " + paragraph.get("Copyright", ""))
            out.append("License: " + paragraph["License"])
            for name in licence_names(paragraph["License"]):
                if name in copyright.licences:
                    texts[(package, name)] = copyright.licences[name]
            out.append("")
    if texts:
        out += ["=== The licence texts ===", ""]
        for (package, name), text in sorted(texts.items()):
            out += [f"License ({package}): {text}", ""]
    # A text that points to Debian's common licences: the page's reader has no such folder.
    text = "\n".join(out)
    for name in sorted(set(re.findall(r"/usr/share/common-licenses/([\w.+-]*\w)", text))):
        common = pathlib.Path("/usr/share/common-licenses") / name
        text += f"\n=== {common} ===\n\n" + common.read_text(encoding="utf-8")
    pathlib.Path(options.out).write_text(re.sub(r"[ \t]+\n", "\n", text), encoding="utf-8")


if __name__ == "__main__":
    main()
