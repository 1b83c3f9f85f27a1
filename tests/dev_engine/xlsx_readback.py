#!/usr/bin/python3
"""Reads a quote export back with readers nobody here wrote and prints JSON.

  xlsx_readback.py xlsx FILE   every cell: value or formula, the stored result,
                               the number format, and the formula worked out
                               here from the other cells
  xlsx_readback.py csv FILE    the rows as Python's csv module parses them

Exits with 3 when openpyxl is missing.
"""
import csv
import datetime
import json
import re
import sys
from decimal import ROUND_HALF_UP, Decimal


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        return {"rows": list(csv.reader(f, strict=True))}


def read_xlsx(path):
    try:
        import openpyxl
    except ImportError:
        sys.exit(3)
    formulas = openpyxl.load_workbook(path).active
    cached = openpyxl.load_workbook(path, data_only=True).active

    def plain(value):
        if isinstance(value, (datetime.date, datetime.datetime)):
            return value.date().isoformat() if isinstance(value, datetime.datetime) else value.isoformat()
        return value

    def cell_value(ref, depth=0):
        value = formulas[ref].value
        if formulas[ref].data_type == "f":
            return evaluate(value, depth + 1)
        if value is None:
            return 0
        if isinstance(value, (int, float)):
            return value
        raise ValueError(f"{ref} holds text in a formula")

    def evaluate(formula, depth=0):
        if depth > 50:
            raise ValueError("formula loop")
        expression = formula[1:]
        expression = re.sub(r"SUM\(([A-Z]+\d+):([A-Z]+\d+)\)", r'_sum("\1","\2")', expression)
        expression = expression.replace("ROUND(", "_round(")
        expression = re.sub(r'(?<!")\b([A-Z]{1,2}\d+)\b(?!")', r'_cell("\1")', expression)
        if re.search(r"[A-Z]{2,}\(", expression):
            raise ValueError(f"unknown function in {formula}")
        return eval(expression, {"__builtins__": {}}, {
            "_cell": lambda ref: cell_value(ref, depth),
            "_sum": lambda first, last: sum(
                c.value if isinstance(c.value, (int, float)) else
                (cell_value(c.coordinate, depth) if c.data_type == "f" else 0)
                for row in formulas[first:last] for c in row),
            "_round": lambda x, d: float(Decimal(repr(x)).quantize(Decimal(1).scaleb(-int(d)), ROUND_HALF_UP)),
        })

    cells = {}
    for row in formulas.iter_rows():
        for c in row:
            if c.value is None:
                continue
            entry = {"value": plain(c.value), "format": c.number_format,
                     "cached": plain(cached[c.coordinate].value)}
            if c.data_type == "f":
                entry["evaluated"] = evaluate(c.value)
            cells[c.coordinate] = entry
    return {"sheet": formulas.title, "cells": cells}


if __name__ == "__main__":
    kind, path = sys.argv[1], sys.argv[2]
    print(json.dumps(read_xlsx(path) if kind == "xlsx" else read_csv(path)))
