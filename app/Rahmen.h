#pragma once

// The handful of framework services the window's methods call by their
// traditional names: number <-> text conversion and the two modal
// message-box forms. Message boxes and quitting go through replaceable
// seams, so that tests answer questions instead of waiting on a real dialog.

#include <QString>
#include <functional>

inline QString alsText(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Locale-independent: reads the longest leading decimal number (sign,
// digits, at most one '.', and an exponent "e" or "E" with an optional sign
// and digits) correctly rounded; 0 when there is none. A number beyond the
// double range reads as +-infinity, a nonzero one below it as NaN.
double Val(QStringView text);

// Shortest digits that read back as the same double, never an exponent,
// '.' as decimal point; negative zero is "0".
QString Str(double v);
QString Str(int n);

// Answer codes of the three-argument form.
inline constexpr int MsgBoxJaNein = 4;
inline constexpr int MsgBoxJa = 6;
inline constexpr int MsgBoxNein = 7;

void MsgBox(const QString& text);
int MsgBox(const QString& text, int knoepfe, const QString& titel);

// knoepfe is 0 for the one-argument form, whose answer is ignored.
using MsgBoxSeam = std::function<int(const QString& text, int knoepfe, const QString& titel)>;
// Installs a new answerer and returns the previous one; an empty one
// restores the real QMessageBox.
MsgBoxSeam setzeMsgBoxSeam(MsgBoxSeam seam);

// Ends the event loop with the given status.
void Quit(int code);
using QuitSeam = std::function<void(int code)>;
QuitSeam setzeQuitSeam(QuitSeam seam);
