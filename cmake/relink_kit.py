#!/usr/bin/env python3
"""Packs the relink kit of the Windows program: its own objects and static libraries, the link
exactly as the build ran it (from build.ninja) with the static Qt's files named through the Qt
the user gives, and what Qt the shipped program was built against.

  relink_kit.py --build-dir B --target app/flightcalc.exe --qt-prefix P --qt-build FILE
      --name flightcalc-2.1-win64-relink --epoch SECONDS --out KIT.zip
"""
import argparse
import os
import re
import shlex
import sys
import time
import zipfile

KIT_CMAKE = """\
# Links flightcalc.exe again from the program's own objects and libraries in this folder and a
# static Qt for Windows of your choice (Qt's LGPL lets you run the program on a Qt you changed):
#
#   cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \\
#     -DCMAKE_TOOLCHAIN_FILE=<your MinGW-w64 toolchain file> -DCMAKE_PREFIX_PATH=<your Qt>
#   cmake --build build          (the program is build/flightcalc.exe)
#
# QT-BUILD.txt names the Qt the shipped program was linked against; with that Qt and the same
# MinGW-w64 (Debian 13's) the result is, byte for byte, the flightcalc.exe that was shipped.
cmake_minimum_required(VERSION 3.25)
project(flightcalc_relink LANGUAGES CXX)
find_path(QT_PREFIX lib/libQt6Core.a PATHS ${{CMAKE_PREFIX_PATH}} REQUIRED
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
message(STATUS "Linking against the static Qt in ${{QT_PREFIX}}")
set(kit ${{CMAKE_CURRENT_SOURCE_DIR}})

# The program's own objects, then everything else in the order the build linked it.
add_executable(flightcalc
{objects})
set_target_properties(flightcalc PROPERTIES LINKER_LANGUAGE CXX)
# Folders the build named from its build folder, where the link runs, copied there: ld orders the
# import tables by the path each library came from.
{directories}
target_link_options(flightcalc PRIVATE
{options})
target_link_libraries(flightcalc PRIVATE
{libraries})
# As the build did: the import section writable again, where the delay-loaded calls write.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(TARGET flightcalc POST_BUILD
  COMMAND Python3::Interpreter ${{kit}}/writable_idata.py $<TARGET_FILE:flightcalc> VERBATIM)
"""


def ninja_block(build_ninja, target):
    """The explicit inputs and the variables of the build statement that makes target."""
    with open(build_ninja, encoding="utf-8") as f:
        lines = f.read().replace("$\n", "").splitlines()
    for i, line in enumerate(lines):
        if line.startswith(f"build {target}:") or line.startswith(f"build {target} "):
            rule_and_inputs = line.split(":", 1)[1].split("|", 1)[0].split()
            variables = {}
            for follow in lines[i + 1:]:
                if not follow.startswith("  "):
                    break
                name, _, value = follow.strip().partition(" = ")
                variables[name] = value
            unescape = lambda text: re.sub(r"\$(.)", r"\1", text)
            return [unescape(x) for x in rule_and_inputs[1:]], \
                {k: unescape(v) for k, v in variables.items()}
    sys.exit(f"relink_kit: no build statement for {target} in {build_ninja}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--build-dir", "--target", "--qt-prefix", "--qt-build", "--name", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--epoch", type=int, required=True)
    args = parser.parse_args()
    build = os.path.realpath(args.build_dir)
    qt = os.path.realpath(args.qt_prefix)
    inputs, variables = ninja_block(os.path.join(build, "build.ninja"), args.target)

    files = {}  # name in the kit -> file in the build

    def kit_path(path):
        """A file of the build as the kit's CMakeLists names it, copied in; Qt's through QT_PREFIX."""
        if path.startswith("-"):
            return path
        full = os.path.realpath(os.path.join(build, path))
        if full.startswith(qt + "/"):
            return "${QT_PREFIX}/" + os.path.relpath(full, qt)
        if full.startswith(build + "/"):
            name = "build/" + os.path.relpath(full, build)
            # A windres object ends in .res, which CMake would not link as an object.
            name = re.sub(r"\.res$", ".res.obj", name)
            if os.path.isfile(full):
                files[name] = full
            return "${kit}/" + name
        return path

    objects = [kit_path(p) for p in inputs]
    # The map is the build's own record, not part of the link.
    options = [o for o in shlex.split(variables.get("LINK_FLAGS", ""))
               if not o.startswith("-Wl,-Map=")]
    directories = []
    for i, option in enumerate(options):
        if option.startswith("-L") and not option.startswith("-L/"):
            folder = os.path.join(build, option[2:])
            for name in sorted(os.listdir(folder)):
                if name.endswith(".a"):
                    kit_path(os.path.join(folder, name))
            parent = os.path.dirname(option[2:])
            directories.append(f"file(COPY ${{kit}}/build/{option[2:]} "
                               f"DESTINATION ${{CMAKE_BINARY_DIR}}/{parent})")
    libraries = [kit_path(p) for p in shlex.split(variables.get("LINK_LIBRARIES", ""))]
    indent = lambda items: "\n".join("  " + (i if re.fullmatch(r"[-\w./${}=,+]+", i)
                                             else '"' + i + '"') for i in items)
    text = KIT_CMAKE.format(objects=indent(objects), directories="\n".join(directories),
                            options=indent(options), libraries=indent(libraries))
    if re.search(re.escape(build) + "|" + re.escape(qt), text):
        sys.exit("relink_kit: a folder of this machine is left in the kit's CMakeLists.txt")

    # Members in a fixed order with one time, so the same build gives the same kit.
    stamp = time.gmtime(max(args.epoch, 315532800))[:6]
    with zipfile.ZipFile(args.out, "w", zipfile.ZIP_DEFLATED) as kit:
        def add(name, data):
            info = zipfile.ZipInfo(f"{args.name}/{name}", stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            kit.writestr(info, data)
        add("CMakeLists.txt", text)
        with open(args.qt_build, "rb") as f:
            add("QT-BUILD.txt", f.read())
        with open(os.path.join(os.path.dirname(__file__), "writable_idata.py"), "rb") as f:
            add("writable_idata.py", f.read())
        for name in sorted(files):
            with open(files[name], "rb") as f:
                add(name, f.read())


if __name__ == "__main__":
    main()
