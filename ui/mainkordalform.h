// The main window: one section's inputs, its materials, its results and its drawing.
//
// How data flows:
//   input field --exit handler: TryStrToNum, range check, mm -> m--> RL (the current section)
//   SetRLValues: RL->CalcDesignValues(), material groups, input fields rewritten from RL
//   SetResults:  RL->Calculate(), result labels, the bar groups' AsReq, compression controls
//   ImageCreate: RL->Draw() into a record for RistLImage, which repaints when it differs from
//                the one it shows
// Every text, colour and visibility goes through quietwrites.h: only what changed is written.
// A class choice copies the class from its list into RL's own copy (CalcDesignValues, the
// group's Set...Values, SetResults). A shape switch replaces RL by a section of the other
// shape filled from that shape's stored section; a switch by the tabs saves RL first.
//
// The language menu takes effect at once: on Qt's LanguageChange the window takes its texts
// from the form again and writes every value and result line anew (Retranslate); the fields
// keep what they hold, numbers being written alike in both languages.
//
// The layout is mainkordalform.ui; start-up and display are in mainkordalform.cpp, the
// handlers of the input fields, class boxes and shape switch in mainkordalform_input.cpp.
#pragma once

#include "language.h"
#include "sectionfile.h"

#include <QMainWindow>

#include <memory>

class TRistLoige;
class QLineEdit;

namespace Ui
{
class TMainKordalForm;
}

class TMainKordalForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainKordalForm(QWidget *Parent = nullptr);
    ~TMainKordalForm() override;

    // Display routines: copy the state of RL into the window.
    void SetBetValues();
    void SetYValues();
    void SetAValues();
    void SetRLValues();
    void SetServiceValues(); // the serviceability, shear and span inputs and the bars' rows
    void SetResults();
    void ImageCreate();

    // The current section and shape, for the bar selection dialog and for tests.
    TRistLoige &CurrentSection() const { return *RL; }
    bool IsRibbedSlab() const { return IsRPL; }

    // Opens the section file at Path as if its inputs were typed; a file that cannot be read
    // is named in a warning box and changes nothing. False then.
    bool OpenFile(const QString &Path);
    // A file to open once the About box that greets the user is closed.
    void SetStartFile(const QString &Path) { FStartFile = Path; }

protected:
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    // Start-up, in order.
    void FormCreate();
    void createMenuConnections();
    void createInputConnections(); // mainkordalform_input.cpp
    void FillClassComboBoxes();
    void FitStaticTexts(); // the captions of the form, each as wide as its text
    void Retranslate();
    void LanguageItemClick(TLanguage Language);

    // The document (mainkordalform_file.cpp).
    void createFileConnections();
    void OpenItemClick();
    void SaveItemClick();
    void SaveAsItemClick();
    void ExportPdfItemClick();
    void PrintItemClick();
    bool SaveTo(const QString &Path);
    // True when the window's changes may go: none, saved, or the user says so.
    bool MayDropChanges();
    // Stores a value typed into the focused field, as leaving the field would.
    void CommitEditing();
    TSectionDocument CurrentDocument() const;
    void UpdateTitle();

    // Menu and buttons.
    void FormShow();
    void ExitItemClick();
    void AboutTarmelItemClick();
    void AsValikButtonClick();
    void AscValikButtonClick();

    QSize FDrawingSize; // RistLImage's drawing, in device pixels

    // --- Input handling (mainkordalform_input.cpp) ---
    // Each numeric field: Change filters its characters, Exit (the focus passing to another
    // control) checks the text against the field's bounds and stores it, KeyPress steps on
    // with Enter. They are thin wrappers around one table-driven routine each.
    void hEditChange();
    void bEditChange();
    void hEditRPLChange();
    void bEditRPLChange();
    void hfEditChange();
    void bwEditChange();
    void MsdEditChange();
    void aEditChange();
    void apEditChange();
    void hEditExit();
    void bEditExit();
    void hEditRPLExit();
    void bEditRPLExit();
    void hfEditExit();
    void bwEditExit();
    void MsdEditExit();
    void aEditExit();
    void apEditExit();
    bool hEditKeyPress(int Key);
    bool bEditKeyPress(int Key);
    bool hEditRPLKeyPress(int Key);
    bool bEditRPLKeyPress(int Key);
    bool hfEditKeyPress(int Key);
    bool bwEditKeyPress(int Key);
    bool MsdEditKeyPress(int Key);
    bool aEditKeyPress(int Key);
    bool apEditKeyPress(int Key);
    // The class boxes: the user's choice of a class, and Enter.
    void BetKlComboBoxChange();
    void AArmKlComboBoxChange();
    void YArmKlComboBoxChange();
    bool BetKlComboBoxKeyPress(int Key);
    bool AArmKlComboBoxKeyPress(int Key);
    bool YArmKlComboBoxKeyPress(int Key);
    // The serviceability, shear and span fields: one filter, exit and Enter for each row of the
    // field table, and their lists (exposure class, design life, link class, link diameter).
    template <int Field> void FieldChange();
    template <int Field> void FieldExit();
    template <int Field> bool FieldKeyPress(int Key);
    void KeskkondComboBoxChange();
    void RangKlComboBoxChange();
    void RangDComboBoxChange();
    void KasutusigaComboBoxChange();
    // The span group (support scheme, partitions) and the bar groups' rows.
    void SkeemComboBoxChange();
    void VaheseinadCheckBoxChange();
    void RidadComboBoxChange();
    // The shape switch: by the page tabs (saves the shape left), by the menu (saves nothing).
    void RLPageControlChange();
    void RKrlItemClick();
    void RPLrlItemClick();

    struct TNumField; // a row of the field table
    static constexpr int NumFieldCount = 18;
    static const TNumField &NumField(int Field);
    void NumEditExit(int Field);
    bool MoveFocusOnEnter(int Key, QWidget *Next);
    void ShowInputWarning(const QString &Message);
    void ReplaceSection(bool Ribbed);
    // Shows the page of the shape without it counting as the user's switch.
    void SetPageQuietly(bool Ribbed);

    bool FExitCheckRunning = false; // a field's exit check is in progress
    bool FSettingPage = false;      // the program, not the user, is changing the page
    // Context of the input connections: it goes before the widgets do, so no signal of a
    // widget being destroyed reaches a handler of this half-destroyed window.
    std::unique_ptr<QObject> FInputContext;

    std::unique_ptr<Ui::TMainKordalForm> ui;
    std::unique_ptr<TRistLoige> RL;
    bool IsRPL = false;
    bool FShown = false;

    QString FBaseTitle;              // the program's title
    QString FFileName;               // the file the window's document is in; empty: none yet
    TSectionDocument FSavedDocument; // as it stands in that file
    QString FStartFile;
};

extern TMainKordalForm *MainKordalForm;
