#pragma once
// The names of the program's windows, exact and case-sensitive. Each window
// carries its name as its object name; the skin table, the window outlines,
// the close-down order and the program's register of loaded windows all
// know a window by it.
//
// Plain standard C++: the artwork generator names the windows' pictures by
// them too.

namespace WindowNames {

inline constexpr char AboutBox[] = "AboutBox";
inline constexpr char Board[] = "Board";
inline constexpr char ChooseOpponent[] = "ChooseOpponent";
inline constexpr char Credits[] = "Credits";
inline constexpr char ExchangePawn[] = "ExchangePawn";
inline constexpr char GameInterface[] = "GameInterface";
inline constexpr char MsgForm[] = "MsgForm";
inline constexpr char NewGameInfo[] = "NewGameInfo";
inline constexpr char NotifyForm[] = "NotifyForm";
inline constexpr char OptionsPage[] = "OptionsPage";
inline constexpr char SelectPrinter[] = "SelectPrinter";
inline constexpr char SelectSound[] = "SelectSound";
inline constexpr char SetupWarningForm[] = "SetupWarningForm";
inline constexpr char SplashScreen[] = "SplashScreen";
inline constexpr char StatusWindow[] = "StatusWindow";
inline constexpr char SystemTray[] = "SystemTray";

} // namespace WindowNames
