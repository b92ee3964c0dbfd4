#pragma once
// The grid options dialog ("Application Grid Options"): the selection rule, the cells' font and
// the row height and text offsets, on three pages, with a sample grid. It edits a copy of the
// grid's options; OK (enabled after any change) hands the copy back whole, Cancel drops it.
// While typing, a value is clamped to its up-down's range; leaving an edit puts the up-down's
// position back as its text.
#include <cstdint>
#include <string>

#include "grid/BaseGridOption.h"
#include "grid/CheckedDialogButtons.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"

class Action;
class BaseIniFile;
class DrawGrid;
class Memo;
class QLabel;
class QTabWidget;
class RadioGroup;
class UpDownEdit;

class TBaseGridOptionForm : public Form {
public:
    // The section and file are kept for the caller; the dialog itself reads and writes neither.
    TBaseGridOptionForm(QWidget* owner, const std::string& sectionName, BaseIniFile& file,
                        BaseGridOption& gridOptions);

    // The edit's text as a decimal integer clamped to the up-down's range; a text that is not a
    // number gives the minimum and moves the up-down (and so the text) to it.
    int32_t ReadClampedValue(UpDownEdit* edit);

    const std::string& GetSectionName() const { return sectionName_; }
    BaseIniFile& GetIniFile() const { return file_; }
    // The working copy.
    const BaseGridOption& GetOptions() const { return options_; }
    bool IsModified() const { return modified_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPage(int index);
    void GridSelectionTabSheetShow();
    void GridFontsTabSheetShow();
    void GridDisplayTabSheetShow();
    void ShowFontInfo();
    void RefreshSample();
    void SampleDrawGridDrawCell(int col, int row, const CanvasRect& rect, Canvas& canvas) const;
    void ChangeFontsButtonClick();
    void DefaultFontButtonClick();
    void ValueEditChange(UpDownEdit* edit, void (BaseGridOption::*set)(int32_t));
    void ValueEditExit(UpDownEdit* edit);
    void SetModified();

    std::string sectionName_;
    BaseIniFile& file_;
    BaseGridOption& gridOptions_;
    BaseGridOption options_;
    FontSpec dialogFont_;  // what the font dialog opens with
    bool eventsEnabled_ = false;
    bool modified_ = false;
    QTabWidget* pages_;
    RadioGroup* gridSelectionRadioGroup_;
    QLabel* nameValueLabel_;
    QLabel* styleValueLabel_;
    QLabel* sizeValueLabel_;
    Memo* sampleMemo_;
    DrawGrid* sampleDrawGrid_;
    UpDownEdit* rowHeightEdit_;
    UpDownEdit* cellLeftOffsetEdit_;
    UpDownEdit* cellTopOffsetEdit_;
    CheckedDialogButtons buttons_;
};
