# Dumps the first worksheet of a workbook as JSON for the export tests: every
# cell with its value, type, font, fill, alignment, borders and note, the
# merged ranges, the column widths and the row heights.  It uses openpyxl, a
# reader that shares no code with the writer under test.
import json
import sys

import openpyxl
from openpyxl.cell.cell import MergedCell
from openpyxl.utils import get_column_letter


def colour(c):
    return c.rgb if c is not None and c.type == "rgb" else None


def side(s):
    return [s.style, colour(s.color)] if s is not None and s.style else None


book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = {}
for row in sheet.iter_rows():
    for c in row:
        if isinstance(c, MergedCell):
            continue
        cells[c.coordinate] = {
            "value": c.value,
            "type": c.data_type,
            "bold": bool(c.font.b),
            "size": c.font.sz,
            "fill": colour(c.fill.fgColor) if c.fill.fill_type == "solid" else None,
            "hAlign": c.alignment.horizontal,
            "vAlign": c.alignment.vertical,
            "wrap": bool(c.alignment.wrap_text),
            "borders": [side(c.border.left), side(c.border.right),
                        side(c.border.top), side(c.border.bottom)],
            "note": c.comment.text if c.comment else None,
        }
widths = {}
for dimension in sheet.column_dimensions.values():
    if dimension.width and dimension.min:
        for i in range(dimension.min, dimension.max + 1):
            widths[get_column_letter(i)] = dimension.width
heights = {str(i): d.height for i, d in sheet.row_dimensions.items() if d.height}
json.dump({"sheets": len(book.worksheets),
           "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
           "cells": cells, "widths": widths, "heights": heights},
          sys.stdout, ensure_ascii=False)
