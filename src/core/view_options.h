// What the main window shows beside the drawing itself, as the display boxes of 設定 choose it:
// one value with one owner, which the boxes show and the practice is given. The end circles are
// the drawing's own (a file keeps them) and the equation form the tool's.
#pragma once

struct ViewOptions {
    bool formulaPanels = true;  // グラフの式: the equation and x-domain panels, the list's texts
    bool rangePanel = true;     // yの変域
    bool slopePanels = true;    // 傾きと切片
    bool tableYRow = true;      // 関数の表: the value table's y row
    bool axisColours = true;    // 軸の色
    bool handles = true;        // ハンドル: the selected graphs' handles
    bool dottedExtensions = true;  // 点線: a segment's or ray's line beyond its ends
    bool tealPanels = true;        // 定数欄の色: white on teal, or black on white

    int panelBackColour() const { return tealPanels ? 0x808000 : 0xFFFFFF; }
    int panelTextColour() const { return tealPanels ? 0xFFFFFF : 0x000000; }
    friend bool operator==(const ViewOptions&, const ViewOptions&) = default;
};
