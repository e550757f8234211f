"""Prints the filled cells of a workbook's active sheet, read with openpyxl, one line per cell."""
import sys

import openpyxl


def escaped(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def main(path):
    sheet = openpyxl.load_workbook(path).active
    out = []
    for row in sheet.iter_rows():
        for cell in row:
            value = cell.value
            if value is None:
                continue
            if isinstance(value, bool):
                out.append("%s\tb\t%s" % (cell.coordinate, value))
            elif isinstance(value, (int, float)):
                out.append("%s\tn\t%r\t%s" % (cell.coordinate, value, cell.number_format))
            else:
                out.append("%s\ts\t%s" % (cell.coordinate, escaped(str(value))))
    sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))


if __name__ == "__main__":
    main(sys.argv[1])
