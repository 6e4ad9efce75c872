#pragma once
// Printing and print preview of a scrolling view: one page showing the
// view's whole canvas, scaled to fit the printable area with its proportions.

class CScrollView;
class QPrinter;

void PrintView(CScrollView *view, QPrinter *printer);
void OnFilePrint(CScrollView *view, QPrinter *printer, bool askFirst);
void OnFilePrintPreview(CScrollView *view, QPrinter *printer);
