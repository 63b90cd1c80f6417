"""Audits a DXF file with ezdxf and prints what a CAD program would find in it.

One line per finding: "error ..." or "fix ..." for what the audit had to report or repair; then
"units N" ($INSUNITS) and "layer NAME LINETYPE" for every layer of the file.
"""
import sys

import ezdxf


def main(path):
    document = ezdxf.readfile(path)
    auditor = document.audit()
    for entry in auditor.errors:
        print("error", entry.code, entry.message)
    for entry in auditor.fixes:
        print("fix", entry.code, entry.message)
    print("units", document.header.get("$INSUNITS", 0))
    for layer in document.layers:
        print("layer", layer.dxf.name, layer.dxf.linetype)


if __name__ == "__main__":
    main(sys.argv[1])
