#pragma once

// Hauptfenster is the program: the one window owns the whole equation state
// as plain members and does every step of the work in its own methods, so
// that each command reads and writes the state in place and nothing else
// holds it. The class is declared here once; its methods are defined in the
// folder of the subsystem they belong to:
//
//   equation/  Init, the read-in pipeline (Einlesen, Reinigen, Umwandeln,
//              Einsetzen, GleichungEinlesen), the text-change guards and
//              BerechneB1_Action ("Gleichung Einlesen")
//   solver/    Ableiten, fn, IstNull, IstNullstelle, NullstellenBerechnen,
//              FindeNullstelle
//   report/    GleichungAusgeben, xhoch, strabs, NullstellenAusgeben and
//              EinleseB_Action ("Loesungen Berechnen")
//   app/       building and opening the window (this class's constructor),
//              the quit, new-equation and about commands, the menu bar
//              MenuBar1, the application object Riverev, and Rahmen.h, the
//              small framework layer (Val, Str, MsgBox, Quit) over Qt
//
// The button names and captions cross on purpose: EinleseB computes,
// BerechneB1 reads the equation in.

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <span>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Hauptfenster : public QMainWindow {
    Q_OBJECT

public:
    explicit Hauptfenster(QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // The single window of the running program, created, opened and shown
    // on the first call.
    static Hauptfenster* instance();

    // Equation state. Pnom[k][j]: coefficient of x^j in the k-th derivative.
    // Nullstellen[k][0]: number of roots of the k-th derivative, then the
    // roots ascending. Columns and rows 11 and 12 of Pnom stay 0, since fn
    // and Ableiten read column grad + 1.
    double Pnom[13][13] = {};
    int grad = 0;
    double Nullstellen[11][11] = {};
    double xlinks = 0.0;
    double xrechts = 0.0;
    QString leer[5];

    using Texte = std::array<QString, 13>;
    using Zahlen = std::array<double, 13>;

    // Control handlers.
    void x0F_TextChange();
    void x1F_TextChange();
    void x2F_TextChange();
    void x3F_TextChange();
    void x4F_TextChange();
    void x5F_TextChange();
    void x6F_TextChange();
    void x7F_TextChange();
    void x8F_TextChange();
    void x9F_TextChange();
    void x10F_TextChange();
    void EinleseB_Action();
    void BerechneB1_Action();
    void QuitB_Action();
    void QuitB1_Action();
    void QuitB2_Action();

    // Reading the coefficient fields.
    void Einlesen(Texte& texte) const;
    void Reinigen(Texte& texte) const;
    void Umwandeln(const Texte& texte, Zahlen& zahlen) const;
    // Needs the elements 0..10.
    void Einsetzen(std::span<const double> zahlen);
    void GleichungEinlesen(bool& erfolg);

    // Derivatives, evaluation and the root search.
    void Ableiten();
    double fn(int k, double x) const;
    bool IstNullstelle(int k, double x) const;
    bool IstNull(double v) const;
    void NullstellenBerechnen();
    double FindeNullstelle(int k, double a, double b) const;
    void Init();

    // Texts.
    QString GleichungAusgeben() const;
    QString xhoch(int n) const;
    QString strabs(double x) const;
    QString NullstellenAusgeben() const;

    // The window's open step: fills leer. The constructor runs it.
    void Open();

    // Called with every midpoint the bisection takes, when set: lets a test
    // follow the halving step by step.
    std::function<void(double)> mittelpunktBeobachter;

private:
    // The search's own copy of Pnom, multiplied by a power of two that
    // Ableiten chooses: it has the same roots, and its values stay clear of
    // underflow and overflow where the entered numbers would not.
    double PnomSkaliert[13][13] = {};
    double wert(int k, double x) const;
    double genauerWert(int k, double x) const;
    // How many derivatives from order n on have x as a root.
    int Vielfachheit(int n, double x) const;
    double NullstelleVerfeinern(int k, double x, double a, double b) const;

    void Layout();
    void CreateControls();
    void AddMenuHandlers();

    QLineEdit* koeffizientenFeld(int j) const;
    QPushButton* knopf(const QString& name) const;
    QPlainTextEdit* ausgabe() const;

    // Set by GleichungEinlesen when a coefficient or the search interval
    // left the double range; the read-in then failed for that reason and
    // not for the degree.
    bool zahlenbereichVerlassen = false;
};
