#!/usr/bin/python3
"""Writes the source workbook that a spreadsheet program converts into the
legacy test files (see README.md)."""
import datetime
import sys

from openpyxl import Workbook

book = Workbook()
sheet = book.active
sheet.title = "Numbers"
sheet.append(["Serial", "Authorized number", "Start Date", "Start Time ", "End Date",
              "End Time", "Always(V)", "Delete(V)"])
sheet.append([1, "+15555550100", "2015/03/06", "08:30", "2016/12/31", "23:59", "no", "no"])
sheet.append([2, "0123", None, None, None, None, "yes", "no"])
sheet.append([3, "13800138000", datetime.date(2015, 3, 7), datetime.time(8, 30),
              datetime.date(2015, 12, 31), datetime.time(23, 59), "no", "no"])
for cell in ("C4", "E4"):
    sheet[cell].number_format = "yyyy/mm/dd"
for cell in ("D4", "F4"):
    sheet[cell].number_format = "hh:mm"
sheet.append([4])
sheet["J1"] = 12
sheet["K1"] = 1.5
sheet["L1"] = "\u4e2d\u6587"
sheet["M1"] = -0.25
other = book.create_sheet("Other")
other["A1"] = "second sheet"
book.save(sys.argv[1])
