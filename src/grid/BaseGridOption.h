#pragma once
// The display options of one grid window: how the selection follows changed rows, the cells'
// font, the row height and the text offsets inside a cell. Each grid window owns one; the
// options dialog edits a copy and hands it back whole. A plain value; Qt-free.
//
// Keys of the window's section, in the order they are saved: GridSelection, RowHeight,
// CellLeftOffset, CellTopOffset, then the font's (FontManager).
#include <cstdint>
#include <string>

#include "grid/FontManager.h"

class BaseIniFile;

class BaseGridOption {
public:
    // GridSelection: 0 re-selects the remembered record after a change; any other value keeps
    // the row number.
    enum : int32_t { kSelectByData = 0, kSelectByRowNumber = 1 };
    static constexpr int32_t kDefaultRowHeight = 24;
    static constexpr int32_t kMaxRowHeight = 1000;  // the highest row height loaded as it stands
    static constexpr int32_t kDefaultCellOffset = 3;

    void Assign(const BaseGridOption& other) { *this = other; }

    // The font first, then the other keys. An absent or non-decimal GridSelection gives 1, any
    // number is kept as it stands; a RowHeight below 1 or above kMaxRowHeight gives 24.
    void LoadFromFile(const BaseIniFile& file, const std::string& section);
    void SaveToFile(BaseIniFile& file, const std::string& section) const;

    int32_t GetGridSelection() const { return gridSelection_; }
    void SetGridSelection(int32_t value) { gridSelection_ = value; }
    int32_t GetRowHeight() const { return rowHeight_; }
    void SetRowHeight(int32_t value) { rowHeight_ = value; }
    int32_t GetCellLeftOffset() const { return cellLeftOffset_; }
    void SetCellLeftOffset(int32_t value) { cellLeftOffset_ = value; }
    int32_t GetCellTopOffset() const { return cellTopOffset_; }
    void SetCellTopOffset(int32_t value) { cellTopOffset_ = value; }
    const FontSpec& GetFont() const { return fontManager_.GetFont(); }
    void SetFont(const FontSpec& font) { fontManager_.SetFont(font); }

    void SetDefaultFont(FontSpec& font) { fontManager_.SetDefaultFont(font); }
    static std::string GetFontNameText(const FontSpec& font) { return FontManager::GetNameText(font); }
    static std::string GetFontStyleText(const FontSpec& font) { return FontManager::GetStyleText(font); }
    static std::string GetFontSizeText(const FontSpec& font) { return FontManager::GetSizeText(font); }

private:
    int32_t gridSelection_ = kSelectByRowNumber;
    FontManager fontManager_;
    int32_t rowHeight_ = kDefaultRowHeight;
    int32_t cellLeftOffset_ = kDefaultCellOffset;
    int32_t cellTopOffset_ = kDefaultCellOffset;
};
