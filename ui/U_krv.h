#pragma once
// The main window: every input of one design case in five bands (deck, span and shoring,
// supporting beam, concrete, loads), the command buttons, the link to the usage notice and
// the status bar. The inputs live in an input form model (core/InputForm.h): the handlers
// forward each user action to it and copy its state back into the controls with refresh().

#include <QWidget>

#include "core/InputForm.h"
#include "core/Inputdata.h"

#include <memory>

class QButtonGroup;
class QElapsedTimer;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QToolButton;
class TAboutBox;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
class TSummary;

namespace korvane {
class DropDownList;
class HintTracker;
class UpDownArrows;
} // namespace korvane

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Windows created after this one that its handlers use.
    void SetSummaryWindow(TSummary *summary) { m_summary = summary; }
    void SetHelpWindow(TForm4 *help);
    void SetDataFileWindow(TForm6 *files) { m_files = files; }
    void SetResultWindow(TForm3 *result) { m_result = result; }
    TForm7 *Form7() const { return m_form7; }

    // The inputs as plain data, with their rules.
    const korvane::InputForm &Inputs() const { return m_inputs; }
    // Puts a design case into the inputs (first filling, opening a file) and shows the
    // notices it raises; OpenCase adds the open command's own notice first.
    void ShowCase(const korvane::CInputData &record);
    void OpenCase(const korvane::CInputData &record);
    // The inputs as a fresh design case, with the print values of the print settings window.
    korvane::CInputData ReadCase() const;
    // The pre-check of "計　算" on the inputs: the first failing check's message, the focus on
    // its field and its corrected text; the focus on "計　算" when every check passes.
    // Returns whether every check passed. Throws ConversionError for a work-load entry of
    // one to three digits.
    bool PreCheckInputs();

    // Deck band.
    QFrame *DeckPanel = nullptr;
    QGroupBox *GroupBox9 = nullptr;
    QRadioButton *RadioButton10 = nullptr; // "PXリッジデッキ"
    QRadioButton *RadioButton11 = nullptr; // "PXデッキ"
    korvane::DropDownList *ComboBox2 = nullptr; // model
    korvane::DropDownList *ComboBox3 = nullptr; // thickness
    korvane::DropDownList *ComboBox7 = nullptr; // coating
    QLineEdit *Edit99 = nullptr;                // unit weight
    QLabel *Label9 = nullptr;                   // "ｆ"
    QLabel *Label10 = nullptr;                  // "b：235 N/ｍ㎡"

    // Span band.
    QFrame *SpanPanel = nullptr;
    QLineEdit *Edit1 = nullptr;
    korvane::UpDownArrows *UpDown1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;

    // Supporting beam band.
    QFrame *BeamPanel = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QRadioButton *RadioButton6 = nullptr;
    QRadioButton *RadioButton9 = nullptr;

    // Concrete band.
    QFrame *ConcretePanel = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QLineEdit *Edit3 = nullptr;
    korvane::UpDownArrows *UpDown3 = nullptr;

    // Loads band.
    QFrame *LoadsPanel = nullptr;
    QRadioButton *RadioButton7 = nullptr; // "1470 N/㎡"
    QRadioButton *RadioButton8 = nullptr; // "その他"
    QLineEdit *MaskEdit1 = nullptr;
    QGroupBox *OtherLoadGroup = nullptr;
    QLineEdit *Edit6 = nullptr;
    korvane::UpDownArrows *UpDown6 = nullptr;

    // Right column, link, status bar, hidden fields of the start-up.
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "計　算"
    QPushButton *BitBtn3 = nullptr; // "データ読込"
    QPushButton *BitBtn4 = nullptr; // "データ保存"
    QPushButton *BitBtn2 = nullptr; // "終　了"
    QPushButton *BitBtn5 = nullptr; // "HELP ON"
    QPushButton *BitBtn6 = nullptr; // "概　　要"
    QLabel *Label13 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLineEdit *Edit_APPDATA = nullptr;
    QLineEdit *Edit2 = nullptr;

    // Values the window keeps for the whole run.
    QString programFolder;
    QString dataFolder;
    QString userFolder;
    QString markerFile;

    // The four-position text of the work-load field, unfilled positions as blanks.
    QString MaskEdit1Text() const;

    // Calculate, open and save.
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();

    // Start-up and ending.
    void InitialIdle();
    void BitBtn2Click();
    void Label13Click();

    // Help and summary.
    void BitBtn5Click();
    void BitBtn6Click();
    // Draws help page 1-5 into the help window, when there is one.
    void ShowHelpPage(int page);

    // Deck selection.
    void RadioButton10Click();
    void RadioButton11Click();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox7Change();
    void ComboBox2DropDown();
    void Edit99MouseDown();
    // Whether a key typed into the unit weight field gets through.
    bool Edit99KeyAccepted();

    // Numeric inputs.
    void Edit1Click();
    void UpDown1Click();
    void Edit3Click();
    void UpDown3Click();
    void MaskEdit1Click();
    void Edit6Click();
    void UpDown6Click();
    void Edit1MouseMove();
    void Edit1Exit();
    void Edit3Exit();
    void Edit6Exit();
    void RadioButton1Click(); // shared by the three shoring options
    void RadioButton4Click(); // shared by the four increase-factor classes
    void SpeedButton4MouseDown();
    void RadioButton7Click();
    void RadioButton8Click();
    // Whether a character typed into the concrete or other-load field gets through.
    static bool EditKeyPress(const QString &typed);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createInputArea();
    void createDeckBand();
    void createSpanBand();
    void createBeamBand();
    void createConcreteBand();
    void createLoadsBand();
    void createRightColumn();
    void applyHints();
    void connectSignals();
    void connectDeckSignals();
    void connectInputSignals();
    void FormCreate();
    void UpdateMarker();
    TAboutBox *ShowSplash();
    void CentreOnScreen();
    void PrepareForShowing();
    void PrepareHelpPictures(const QElapsedTimer &splashClock);
    void PlaceOnScreen();
    void PaintGroupCaptions(std::initializer_list<QRadioButton *> group);
    void connectFieldTexts();
    // Copies the input form model into the controls.
    void refresh();
    void refreshDeckBand();
    void refreshChoices();
    void refreshFields();
    // Shows the reaction's message, copies the model into the controls, focuses its field.
    void react(const korvane::FormReaction &reaction);
    QLineEdit *FieldOf(korvane::InputField field) const;
    // The controls after a case was put into the model: notices, focus, print settings.
    void finishShowing(const std::vector<std::string> &notices,
                       const korvane::CInputData &record);
    void LeaveCheck(korvane::InputField field);

    TForm7 *m_form7 = nullptr;
    TForm4 *m_help = nullptr;
    TSummary *m_summary = nullptr;
    TForm6 *m_files = nullptr;
    TForm3 *m_result = nullptr;
    QButtonGroup *m_concreteGroup = nullptr;
    korvane::HintTracker *m_hints = nullptr;
    bool m_idlePending = false;
    bool m_waitCursor = false;
    korvane::InputForm m_inputs;
    bool m_refreshing = false;
    std::string m_shownWeightHint; // the unit weight hint last given to the field
};

namespace korvane {

// How long the start-up shows the splash, in milliseconds (tests shorten it).
int &SplashMilliseconds();

// Where the main window goes: where it is, unless its right edge passes the screen's width;
// then its right edge 5 pixels inside the screen and its top at 5.
QPoint StartPosition(const QRect &window, int screenWidth);

} // namespace korvane

// The window into a fresh record (defaults first, so versionText stays current).
void ReadInputData(const TForm1 &form, korvane::CInputData &record);

// The record into the window, as the first filling and opening a file put it.
void ShowInputData(TForm1 &form, korvane::CInputData record);
