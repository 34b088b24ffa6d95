#!/usr/bin/env python3
"""Lists the sources inside each unity object of a Qt build, for the program's notices.

A unity build compiles several sources as one object (unity_3_cxx.cxx.obj), so the linker's map
names no source a bundled library's attribution could be matched with; this keeps the names.

  qt_unity_sources.py BUILD_DIR SOURCE_DIR > LIST    lines: archive member source...
"""
import os
import re
import sys


def main():
    build, source = sys.argv[1], os.path.realpath(sys.argv[2])
    with open(os.path.join(build, "build.ninja"), encoding="utf-8") as f:
        archives = dict((target, os.path.basename(archive)) for archive, target in re.findall(
            r"^build (\S+\.a): \w+_STATIC_LIBRARY_LINKER__(\w+)_Release", f.read(), re.M))
    for folder, _, files in sorted(os.walk(build)):
        target = re.search(r"/CMakeFiles/(\w+)\.dir/Unity$", folder)
        if not target or target.group(1) not in archives:
            continue
        for name in sorted(f for f in files if re.fullmatch(r"unity_\d+_c(xx)?\.c(xx)?", f)):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                included = re.findall(r'^#include "([^"]+)"', f.read(), re.M)
            sources = [os.path.relpath(path, source) for path in included
                       if os.path.commonpath([path, source]) == source]
            print(archives[target.group(1)], name + ".obj", *sources)


if __name__ == "__main__":
    main()
