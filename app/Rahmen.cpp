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

bool ziffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Where an out-of-range number lies: its first significant digit's power of
// ten, plus the exponent. Only the sign matters, so the exponent saturates.
bool zuGross(const std::string& mantisse, std::string_view exponent) {
    const auto ersteZiffer = static_cast<long>(mantisse.find_first_not_of("0."));
    const auto punkt = static_cast<long>(std::min(mantisse.find('.'), mantisse.size()));
    long stelle = ersteZiffer < punkt ? punkt - ersteZiffer - 1 : punkt - ersteZiffer;
    long e = 0;
    for (const char c : exponent)
        if (c >= '0' && c <= '9')
            e = std::min(e * 10 + (c - '0'), 100000L);
    stelle += exponent.find('-') == std::string_view::npos ? e : -e;
    return stelle >= 0;
}

} // namespace

double Val(QStringView text) {
    // Find the decimal prefix first, so that from_chars never sees anything
    // it might read differently ("+", "inf", hexadecimal digits).
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    const qsizetype anfang = i;
    bool ziffern = false;
    bool punkt = false;
    for (; i < n; ++i) {
        if (ziffer(text[i]))
            ziffern = true;
        else if (text[i] == u'.' && !punkt)
            punkt = true;
        else
            break;
    }
    if (!ziffern)
        return 0.0;
    const qsizetype mantissenEnde = i;
    // An exponent counts only with digits after its letter and sign.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == u'+' || text[k] == u'-'))
            ++k;
        const qsizetype exponentenZiffern = k;
        while (k < n && ziffer(text[k]))
            ++k;
        if (k > exponentenZiffern)
            i = k;
    }

    std::string zahl;
    zahl.reserve(static_cast<std::size_t>(i - anfang));
    for (qsizetype p = anfang; p < i; ++p)
        zahl.push_back(static_cast<char>(text[p].unicode()));

    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched here.
        const auto laenge = static_cast<std::size_t>(mantissenEnde - anfang);
        wert = zuGross(zahl.substr(0, laenge), std::string_view(zahl).substr(laenge))
                   ? std::numeric_limits<double>::infinity()
                   : 0.0;
    }
    return negativ ? -wert : wert;
}

QString Str(double v) {
    if (v == 0.0)
        return u"0"_s;
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
