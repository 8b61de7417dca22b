# Reads a CSV file with Python's csv module and prints its rows as JSON,
# with whether the file starts with a UTF-8 byte-order mark.
import csv
import json
import sys

with open(sys.argv[1], "rb") as raw:
    bom = raw.read(3) == b"\xef\xbb\xbf"
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    rows = list(csv.reader(f))
json.dump({"bom": bom, "rows": rows}, sys.stdout, ensure_ascii=False)
