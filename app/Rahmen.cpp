#include "Rahmen.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace {

bool zahlZeichen(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'e' || c == u'E' || c == u'+' ||
           c == u'-';
}

// Whether a number that from_chars found out of range is too large rather
// than too small: the power of ten of its first significant digit plus its
// exponent. Only the sign matters, so the exponent saturates.
bool zuGross(std::string_view zahl) {
    const auto e = std::min(zahl.find_first_of("eE"), zahl.size());
    const std::string_view mantisse = zahl.substr(0, e);
    const auto ersteZiffer = static_cast<long>(mantisse.find_first_not_of("0."));
    const auto punkt = static_cast<long>(std::min(mantisse.find('.'), mantisse.size()));
    long stelle = ersteZiffer < punkt ? punkt - ersteZiffer - 1 : punkt - ersteZiffer;
    long exponent = 0;
    for (const char c : zahl.substr(e))
        if (c >= '0' && c <= '9')
            exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    stelle += zahl.find('-', e) == std::string_view::npos ? exponent : -exponent;
    return stelle >= 0;
}

} // namespace

double Val(QStringView text) {
    // The sign, then the characters a decimal number with an exponent may
    // hold; from_chars reads the longest number at their start and stops at
    // a second point or a letter without digits. It never sees a leading
    // sign, "inf" or hexadecimal digits.
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    std::string zahl;
    for (; i < n && zahlZeichen(text[i].unicode()); ++i)
        zahl.push_back(static_cast<char>(text[i].unicode()));
    if (zahl.empty() || zahl[0] == '+' || zahl[0] == '-')
        return 0.0;

    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    // Out of range, from_chars leaves the value untouched. A number too
    // small is no 0: nonzero digits would silently vanish.
    if (fehler == std::errc::result_out_of_range)
        wert = zuGross(std::string_view(zahl.data(), static_cast<std::size_t>(ende - zahl.data())))
                   ? std::numeric_limits<double>::infinity()
                   : std::numeric_limits<double>::quiet_NaN();
    return negativ ? -wert : wert;
}

QString Str(double v) {
    // Qt writes negative zero as "0" too.
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString Str(int n) {
    return QString::number(n);
}

namespace {

int echteMsgBox(const QString& text, int knoepfe, const QString& titel) {
    QMessageBox box(QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(titel.isEmpty() ? QApplication::applicationDisplayName() : titel);
    if (knoepfe == MsgBoxJaNein) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgBoxJa : MsgBoxNein;
    }
    box.setIcon(QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return 1;
}

MsgBoxSeam& msgBoxSeam() {
    static MsgBoxSeam seam = echteMsgBox;
    return seam;
}

void echtesQuit(int code) {
    QCoreApplication::exit(code);
}

QuitSeam& quitSeam() {
    static QuitSeam seam = echtesQuit;
    return seam;
}

} // namespace

void MsgBox(const QString& text) {
    msgBoxSeam()(text, 0, QString());
}

int MsgBox(const QString& text, int knoepfe, const QString& titel) {
    return msgBoxSeam()(text, knoepfe, titel);
}

MsgBoxSeam setzeMsgBoxSeam(MsgBoxSeam seam) {
    MsgBoxSeam alt = std::move(msgBoxSeam());
    msgBoxSeam() = seam ? std::move(seam) : MsgBoxSeam(echteMsgBox);
    return alt;
}

void Quit(int code) {
    quitSeam()(code);
}

QuitSeam setzeQuitSeam(QuitSeam seam) {
    QuitSeam alt = std::move(quitSeam());
    quitSeam() = seam ? std::move(seam) : QuitSeam(echtesQuit);
    return alt;
}
