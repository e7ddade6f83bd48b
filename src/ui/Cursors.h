// Cursor ids: the framework's standard cursor numbers, the image view's own cross-hair
// and the application-wide custom cursor slots (positive numbers other than 1785).
#pragma once

namespace ix::ui::cursors {

inline constexpr int Default = 0;
inline constexpr int Arrow = -2;
inline constexpr int Cross = -3;
inline constexpr int IBeam = -4;
inline constexpr int SizeNESW = -6;
inline constexpr int SizeNS = -7;
inline constexpr int SizeNWSE = -8;
inline constexpr int SizeWE = -9;
inline constexpr int UpArrow = -10;
inline constexpr int HourGlass = -11;
inline constexpr int NoDrop = -13;
inline constexpr int HSplit = -14;
inline constexpr int VSplit = -15;
inline constexpr int MultiDrag = -16;
inline constexpr int SQLWait = -17;
inline constexpr int No = -18;
inline constexpr int AppStart = -19;
inline constexpr int Help = -20;
inline constexpr int HandPoint = -21;
inline constexpr int SizeAll = -22;
inline constexpr int ViewCross = 1785; // the image view's own cross-hair, its default

} // namespace ix::ui::cursors
