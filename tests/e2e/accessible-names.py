#!/usr/bin/python3
# Prints "role|name" for every named accessible object of the application named in argv[1],
# as a screen reader finds them over AT-SPI; with --details also "|description|value".
import sys

import pyatspi


def walk(node):
    try:
        if node.name:
            line = f"{node.getRoleName()}|{node.name}"
            if "--details" in sys.argv:
                try:
                    value = f"{node.queryValue().currentValue:g}"
                except NotImplementedError:
                    value = ""
                line += f"|{node.description}|{value}"
            print(line)
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i))
    except Exception:  # an object that went away meanwhile
        pass


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == sys.argv[1]:
        walk(app)
