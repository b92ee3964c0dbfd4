#pragma once
// Prints a grid window's PrintTable as its report on a printer that the caller set up (the print
// dialog, or a PDF file in tests): landscape pages, laid out by PrintReportPlan; the page number
// is the plan's own count. Returns the number of sheets printed.
class QPrinter;
class TBaseGridForm;

int PrintGridReport(TBaseGridForm& window, QPrinter& printer);
