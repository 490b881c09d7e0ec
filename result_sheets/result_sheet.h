// A result sheet shows the main window's table in a framed layout with larger type, one sheet
// per row set. The four sheets share this class; what differs between them is data.
#pragma once

#include "scale.h"

#include <QDialog>
#include <array>

class QLineEdit;

struct SheetDesign {
    const char *name;                  // "Capture24"
    dorvane::RowSet rows;              // the row indices of its cells
    std::array<int, 4> cellsPerColumn; // 0 past the last column
    int clientWidth;                   // twips
    int clientHeight;                  // twips
    const char *lengthCell;            // "Text2" or "Text43"
    const char *lengthLabelCell;       // "Tex2" or "Tex43"
    const char *lengthHeader;          // "Label1" or "Label2"
    const char *noteHeader;
    double scaleNamePoints;         // 9.75, or 11.25 on Capture34
    std::array<int, 3> narrowNotes; // note cells in "MS Sans Serif"; -1 for none
    const char *firstFocus;         // the box with tab index 0
    // The names of the frame's left, top, right and bottom lines and of the header rule.
    const char *lineNames[5];
};

namespace sheets
{
extern const SheetDesign Capture14;
extern const SheetDesign Capture24;
extern const SheetDesign Capture34;
extern const SheetDesign Capture42;
} // namespace sheets

class ResultSheet : public QDialog
{
    Q_OBJECT

public:
    explicit ResultSheet(const SheetDesign &design);

    // Loads the sheet from its design, fills it from the main window and shows it modally.
    void showFilledFrom(const QWidget &mainWindow);

private:
    void load();
    void unload();
    void Form_Load(const QWidget &mainWindow);

    const SheetDesign &sheetDesign;
    QWidget *controls = nullptr; // everything loaded from the design; gone when closed
};
