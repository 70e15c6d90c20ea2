#pragma once
// Control identifiers of the settings editor's two windows. Every control
// has one that is unique within its window (panels' controls included), so
// the windows' own code and the end-to-end tests find them the same way.

namespace qpad::editor::ids {

// TFrm_Set: the item lists.
constexpr int SpeedButton1 = 1001;  // categories 2 .. 6, in the order of the table
constexpr int SpeedButton3 = 1002;
constexpr int SpeedButton4 = 1003;
constexpr int SpeedButton5 = 1004;
constexpr int SpeedButton6 = 1005;
constexpr int Label7 = 1010;
constexpr int Label15 = 1011;
constexpr int Label2 = 1012;
constexpr int ListBox_ItemList = 1013;
constexpr int SBtn_Up = 1014;
constexpr int SBtn_Dn = 1015;
constexpr int Label1 = 1016;
constexpr int SpeedButton2 = 1017;  // "項目追加"
constexpr int SBtn_ItemEdit = 1018;
constexpr int SBtn_ItemDel = 1019;
constexpr int Label6 = 1020;
constexpr int Label22 = 1021;
constexpr int SBtn_Kakutyou = 1022;
constexpr int SBtn_End = 1023;

// TFrm_Set: the timing page.
constexpr int Label8 = 1030;
constexpr int ComboBox1 = 1031;
constexpr int Label3 = 1032;
constexpr int Image1 = 1033;
constexpr int SBtn_Kakutyou2 = 1034;
constexpr int Label24 = 1035;
// Panel k (k = 1 .. 8) is TimingPanel + k - 1; its track bar, value label,
// unit label and caption follow the same numbering.
constexpr int TimingPanel = 1100;
constexpr int TimingBar = 1110;
constexpr int TimingValue = 1120;
constexpr int TimingUnit = 1130;
constexpr int TimingCaption = 1140;

// TFrm_SetSub.
constexpr int Panel_Moji = 2001;
constexpr int Panel_SKey = 2002;
constexpr int Panel_App = 2003;
constexpr int Panel_Ope = 2004;
constexpr int Panel_INet = 2005;
constexpr int PageTitle = 2010;  // + ItemKind: the title strips
constexpr int NamePanel = 2020;  // Panel1, the name strip
constexpr int NameLabel = 2021;
constexpr int Edit_Name = 2022;
constexpr int SBtn_Cansel = 2023;
constexpr int SBtn_Set = 2024;
constexpr int MojiLabel = 2030;
constexpr int Memo = 2031;
constexpr int SKeyLabel = 2040;
constexpr int CheckBox_Shift = 2041;
constexpr int CheckBox_Alt = 2042;
constexpr int CheckBox_Ctrl = 2043;
constexpr int Edit_keyIn = 2044;
constexpr int PlusLabel = 2045;
constexpr int Edit_keyIn2Key = 2046;
constexpr int Label_Skey = 2047;
constexpr int SBtn_SKeyClear = 2048;
constexpr int AppLabel = 2050;
constexpr int Edit_AppName = 2051;
constexpr int SBtn_CmnDlg = 2052;
constexpr int INetLabel = 2060;
constexpr int INetNote = 2061;
constexpr int SBtn_UrlGet = 2062;
constexpr int UrlLabel = 2063;
constexpr int Edit_Url = 2064;
constexpr int OpeLabel = 2070;
constexpr int SBtn_Ws = 2071;  // operations 1 .. 7 are SBtn_Ws + tag - 1
constexpr int Label_Ope = 2080;

}  // namespace qpad::editor::ids
