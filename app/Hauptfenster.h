#pragma once

// Hauptfenster is the program: the one window owns the whole equation state
// and its controls as plain members and does every step of the work in its
// own methods, so that each command reads and writes the state in place and
// nothing else holds it. The class is declared here once; its methods are
// defined in the folder of the subsystem they belong to:
//
//   equation/  Einlesebefehl.cpp: Init and BerechneB1_Action ("Gleichung
//              Einlesen"); Einlesen.cpp: the read-in pipeline (Einlesen,
//              Reinigen, Umwandeln, Einsetzen, GleichungEinlesen and
//              GleichungAufstellen, its part without the fields),
//              KoeffizientLesen, the one home of what a field's text means,
//              dezimalzahl, the digits a shown number says, and
//              GetippteBehalten, where a field keeps the number typed;
//              Koeffizientenfelder.cpp: what the fields do as the user types,
//              presses Return, clicks or pastes
//   solver/    Ableitungen.cpp: Ableiten, the rows of the derivatives, their
//              error bounds and the uncertainty of printed doubles, the
//              Newton finish's value, fn, IstNull,
//              IstNullstelle, and vorzeichenJenseits, the one ladder every
//              sign climbs: (1) the doubles beyond their error bound, (2)
//              the rows in twice the digits (Fein.cpp), which also tell an
//              exact 0 where the coefficients are doubles, (3) exact
//              integers (Exakt.cpp: the integer rows, their common
//              divisors, the sign at a fraction, and at a derivative's root
//              by Sturm and Tarski's count);
//              Nullstellensuche.cpp: NullstellenBerechnen row by row, the cut
//              points (Taylor test, common divisor, the gap between two
//              doubles), the enclosures of the roots, the Newton finish and
//              the choice of the double shown; Halbierung.h: the bisection,
//              Horner's rule, compensated as well, and the one loop that
//              forms a derivative's row
//   report/    Gleichungstext.cpp: GleichungAusgeben, xhoch, strabs;
//              Loesungsbericht.cpp: NullstellenAusgeben, EinleseB_Action
//              ("Loesungen Berechnen") and the ten decimals shown, a tie
//              away from 0
//   app/       Hauptfenster.cpp: building, fitting and opening the window;
//              Befehle.cpp: the quit, new-equation and about commands; the
//              menu bar MenuBar1, the application object Riverev, and
//              Rahmen.h, the small framework layer (Val, Str, MsgBox, Quit)
//              over Qt
//
// The button names and captions cross on purpose: EinleseB computes,
// BerechneB1 reads the equation in.

#include "Exakt.h"
#include "Fein.h"
#include "Halbierung.h"

#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <array>
#include <span>

// The number a text written by Str says, from its digits and its power of
// ten; wert is the double the text reads back as.
Dezimalzahl dezimalzahl(QStringView text, double wert);

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Hauptfenster : public QMainWindow {
    Q_OBJECT
    // Holds the error bounds against the exact values.
    friend class TestAbleiten;

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
    // Beside row 0 of Pnom: each coefficient exactly as its field shows it.
    // The equation solved is the one these say.
    std::array<Dezimalzahl, 11> Koeffizienten{};
    // The typed numbers a field keeps, where its double's text would say another; else empty.
    std::array<QString, 11> behalteneTexte;

    // The controls, created once by CreateControls and owned by the window.
    std::array<QLineEdit*, 11> xF{}; // x0F ... x10F
    QPlainTextEdit* AusgabeF = nullptr;
    QPushButton* EinleseB = nullptr;
    QPushButton* BerechneB1 = nullptr;
    QPushButton* QuitB = nullptr;
    QPushButton* QuitB1 = nullptr;
    QPushButton* QuitB2 = nullptr;

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
    // Return or Enter in a coefficient field: computes when the equation
    // read in is current, else reads it in.
    void Koeffizientenfeld_Eingabetaste();
    // A paste of spreadsheet cells into field j spreads over the fields.
    void Koeffizientenfeld_Einfuegen(int j, const QString& text);

    // Reading the coefficient fields. KoeffizientLesen is the one home of
    // what a field's text means: it returns the text cleaned to what Val
    // reads, and that number.
    static QString KoeffizientLesen(QStringView text, double* zahl = nullptr);
    void Init();
    void Einlesen(Texte& texte) const;
    void Reinigen(Texte& texte) const;
    void Umwandeln(const Texte& texte, Zahlen& zahlen) const;
    // Needs the elements 0..10.
    void Einsetzen(std::span<const double> zahlen);
    void GleichungEinlesen(bool& erfolg);
    // GleichungEinlesen without the fields: the state from texts as typed;
    // zahlen gets the numbers the fields are to show.
    void GleichungAufstellen(Texte& texte, Zahlen& zahlen, bool& erfolg);

    // Derivatives, evaluation and the root search.
    void Ableiten();
    double fn(int k, double x) const;
    bool IstNullstelle(int k, double x) const;
    bool IstNull(double v) const;
    void NullstellenBerechnen();
    double FindeNullstelle(int k, double a, double b) const;

    // Texts.
    QString GleichungAusgeben() const;
    QString xhoch(int n) const;
    QString strabs(double x) const;
    QString NullstellenAusgeben() const;

    // How often each stage of the sign ladder decided a sign asked of it,
    // since the window was made: the doubles with their bound, the rows in
    // twice the digits, the exact integers. Read by the benchmarks.
    struct Stufen {
        long doubles = 0, fein = 0, exakt = 0;
    };
    Stufen stufen() const { return entschieden; }

    // The window's open step: fills leer. The constructor runs it.
    void Open();

    // Scales the table's arrangement uniformly so that every text fits its
    // control at the current font, and the window fits the available size;
    // where both cannot hold, makes the font smaller. The constructor runs
    // it for the primary screen.
    void Einpassen(QSize verfuegbar);

private:
    // The search's own copy of Pnom, multiplied by 2^skala, which Ableiten
    // chooses: it has the same roots, and its values stay clear of underflow
    // and overflow where the entered numbers would not.
    double PnomSkaliert[13][13] = {};
    int skala = 0;
    double wert(int k, double x) const;
    double genauerWert(int k, double x) const;
    double NullstelleVerfeinern(int k, double x) const;

    // What a value computed in doubles may miss of the value of the
    // equation as shown, per row of the scaled copy and power of x.
    struct Zeilenschranken {
        double fehler[11];   // the scaled double's distance from the exact coefficient
        double betrag[11];   // a bound of the exact coefficient's size
        double horner[11];   // Horner's rounding error and fehler together
        double unsicher[11]; // the shown uncertainty, exactly and unscaled
    };
    Zeilenschranken schranken[11] = {};
    // Called by Ableiten: the bounds of the scaled rows, and the shown
    // uncertainty carried through them.
    void SchrankenBilden();
    void UnsicherheitBilden();
    // Some coefficient is a printed double, and the shown numbers have no multiple root.
    bool gerundet = false;
    // Some coefficient shown is no double: Newton then steps on the equation as shown.
    bool dezimal = false;
    mutable ExakteZeilen exakt;
    ExakteZeilen& exakteZeilen() const;
    // The rows in twice the digits of a double, where doubles cannot tell.
    mutable FeineZeilen fein;
    FeineZeilen& feineZeilen() const;

    // The sign of row k at x for the equation as shown: in doubles where
    // their error bound allows it, exactly otherwise.
    int sicheresVorzeichen(int k, double x) const;
    // The one ladder every sign climbs: the sign where the value is shown to
    // lie beyond rand from 0; else 0, where it is 0 or, mostly, within rand.
    int vorzeichenJenseits(int k, double x, FeineZeilen::Grenze rand) const;
    mutable Stufen entschieden;
    // The sign where the doubles tell it, else 0.
    int doublesVorzeichen(int k, double x) const;
    // A bound of the error of wert(k, x) for every |x| <= r.
    double fehlerSchranke(int k, double r) const;
    bool innerhalbUnsicherheit(int k, double x) const;

    // A root of a row: its double and an enclosure with exact ends, in which
    // row herkunft has it as its only root and changes its sign.
    struct Wurzel {
        double wert, links, rechts;
        int herkunft;
        int vorzeichenLinks; // of row herkunft at links
        bool unsicher;       // a root only within the shown uncertainty
    };
    Wurzel wurzeln[11][11] = {};
    // The cut points of a row: its sign there, 0 for a root; unsicher: a
    // root only within the shown uncertainty.
    struct Schnitt {
        double x;
        int vorzeichen;
        bool unsicher;
    };
    std::array<Schnitt, 12> schnitte{};
    // Fills schnitte for row n from the roots of row n + 1; their number.
    int schnittpunkteBilden(int n);
    void zeileLoesen(int n, int punkte);
    int vorzeichenAmSchnitt(int n, Wurzel& w);
    // How far row n may lie at w.wert from its value at the root w encloses.
    FeineZeilen::Grenze taylorTerm(int n, const Wurzel& w) const;
    // Whether row n shares w's root; a shared one is closed in.
    bool gemeinsameWurzel(int n, Wurzel& w);
    // Whether row n shares w's root as a short fraction; then closed in.
    bool gemeinsamerBruch(int n, Wurzel& w);
    int vorzeichenZwischenDoubles(int n, Wurzel& w);
    bool verfeinern(Wurzel& w) const;
    Klammer halbierenIn(int k, double a, double b, int links) const;
    Wurzel stueckWurzel(int n, double a, double b, int links) const;
    // Narrowing an enclosure about its double: the state of the steps.
    struct Annaeherung {
        int richtung, schritte;
        double schritt;
    };
    static Annaeherung annaeherung(const Wurzel& w);
    bool naeher(Wurzel& w, Annaeherung& n) const;
    // A cut point's enclosure by two steps.
    void zweiSchritte(Wurzel& w) const;
    // A listed root's until it is shown as it rounds.
    void eingrenzen(Wurzel& w) const;
    struct GezeigteEnden {
        double links = std::numeric_limits<double>::quiet_NaN(), rechts = links;
        double linksGezeigt = 0.0, rechtsGezeigt = 0.0;
        bool gleich(const Hauptfenster& h, const Wurzel& w);
    };
    void amGezeigtenText(Wurzel& w) const;
    bool grenzeEntscheiden(Wurzel& w) const;
    // The value the report shows for x.
    double gezeigt(double x) const;

    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void KoeffizientenfeldEinrichten(int j);
    // The field whose text the next click selects instead of placing the
    // caret: one the click has just given the focus, or one the program
    // has just written into.
    QLineEdit* geklicktesFeld = nullptr;
    // Each field's text before its last change, to tell a paste from a key.
    std::array<QString, 11> vorher;
    // Selects the field's whole text with the caret at its start, so that
    // the start of a long number shows and the next key replaces it all.
    static void GanzWaehlen(QLineEdit* feld);
    // Gives the field its whole text as tooltip when the text is wider.
    static void KurzinfoSetzen(QLineEdit* feld);

    // Menu bar, title and frame.
    void FensterEinrichten();
    void CreateControls();
    // How much the table's places must grow for every text to fit.
    double noetigerFaktor() const;
    // Each control with its place in the table.
    QList<std::pair<QWidget*, QRect>> entwurf;

    // Set by GleichungEinlesen when a coefficient or the search interval
    // left the double range; the read-in then failed for that reason and
    // not for the degree.
    bool zahlenbereichVerlassen = false;
    void SuchintervallSetzen(const Zahlen& zahlen);
    void GetippteBehalten(const Texte& texte, const Zahlen& zahlen);
};
