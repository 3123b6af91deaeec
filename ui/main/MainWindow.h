#pragma once
// The main window: every input of one design case in five bands (deck, span and shoring,
// supporting beam, concrete, loads), the command buttons, the link to the usage notice and
// the status bar. The inputs live in an input form model (core/InputForm.h): the handlers
// forward each user action to it and copy its state back into the controls with Refresh().

#include <QWidget>

#include "core/DesignCase.h"
#include "core/InputForm.h"

#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QToolButton;

namespace korvane {
class DesignCaseFiles;
class HelpWindow;
class PrintSettingsDialog;
class ResultWindow;
class SplashScreen;
class SummaryWindow;
enum class HelpTopic;
class DropDownList;
class HintTracker;
class UpDownArrows;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Windows created after this one that its handlers use.
    void SetSummaryWindow(SummaryWindow *summary) { m_summary = summary; }
    // Makes the summary window when "概　　要" first needs it (instead of one set before).
    void SetSummaryWindowMaker(std::function<SummaryWindow *()> make) {
        m_makeSummary = std::move(make);
    }
    void SetHelpWindow(HelpWindow *help);
    void SetCaseFiles(DesignCaseFiles *files) { m_files = files; }
    void SetResultWindow(ResultWindow *result) { m_result = result; }
    // Makes the result window when the first calculation needs it (instead of one set before),
    // so that a start that never calculates holds none of its controls.
    void SetResultWindowMaker(std::function<ResultWindow *()> make) {
        m_makeResult = std::move(make);
    }
    PrintSettingsDialog *PrintSettingsWindow() const { return m_printSettings; }

    // The inputs as plain data, with their rules.
    const InputForm &Inputs() const { return m_inputs; }
    // Puts a design case into the inputs (first filling, opening a file) and shows the
    // notices it raises; OpenCase adds the open command's own notice first.
    void ShowCase(const DesignCase &record);
    void OpenCase(const DesignCase &record);
    // The inputs as a fresh design case, with the print values of the print settings window.
    DesignCase ReadCase() const;
    // The pre-check of "計　算" on the inputs: the first failing check's message, the focus on
    // its field and its corrected text; the focus on "計　算" when every check passes.
    // Returns whether every check passed.
    bool PreCheckInputs();
    // The same for the conditions of a deck-choice table: the span is not checked, and the
    // focus stays where it is when every check passes.
    bool PreCheckConditions();
    // Puts a deck taken from a deck-choice table into the inputs, as choosing it by hand
    // does, with the shoring and span it brings; the focus goes to "計　算".
    void TakeDeck(const TakenDeck &taken);
    // A line in the status bar that says what a command did beyond the obvious.
    void ShowStatusNote(const QString &note);
    // The focus on "計　算", where a finished command leaves it.
    void FocusCalculateButton();

    // Values the window keeps for the whole run.
    QString programFolder;
    QString dataFolder;
    QString userFolder;
    QString markerFile;

    // The four-position text of the work-load field, unfilled positions as blanks.
    QString WorkLoadText() const;

    // Calculate, open and save.
    void Calculate();
    void ReadData();
    void SaveData();

    // Start-up and ending.
    void InitialIdle();
    void EndProgram();
    void ShowUsageNotice();

    // Deck choice: the maximum-span table and the deck comparison for the inputs' conditions.
    void ShowSpanTable();
    void ShowDeckComparison();

    // Help and summary.
    void SwitchHelp();
    void ShowSummary();
    // Draws the help page of `topic` into the help window, when there is one.
    void ShowHelpPage(HelpTopic topic);

    // Deck selection.
    void RidgeDeckChosen();
    void PxDeckChosen();
    void ModelChanged();
    void ThicknessChanged();
    void CoatingChanged();
    void DeckListOpened();
    void UnitWeightPressed();
    // Whether a key typed into the unit weight field gets through.
    bool UnitWeightKeyAccepted();

    // Numeric inputs.
    void SpanClicked();
    void SpanArrowsClicked();
    void SlabThicknessClicked();
    void SlabThicknessArrowsClicked();
    void WorkLoadClicked();
    void OtherLoadClicked();
    void OtherLoadArrowsClicked();
    void SpanHovered();
    void SpanLeft();
    void SlabThicknessLeft();
    void OtherLoadLeft();
    void ShoringChosen();    // shared by the three shoring options
    void AlphaClassChosen(); // shared by the four increase-factor classes
    void ConcreteKindPressed();
    void StandardWorkLoadChosen();
    void OtherWorkLoadChosen();
    // Whether a character typed into the concrete or other-load field gets through.
    static bool DigitKeyAccepted(const QString &typed);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void NameControls();
    void CreateInputArea();
    void CreateDeckBand();
    void CreateSpanBand();
    void CreateBeamBand();
    void CreateConcreteBand();
    void CreateLoadsBand();
    void CreateRightColumn();
    void ApplyHints();
    void ConnectSignals();
    void ConnectDeckSignals();
    void ConnectInputSignals();
    void StartUp();
    void UpdateMarker();
    // Shows the splash and, during its wait, builds the window and prepares its first paint.
    SplashScreen *ShowSplashWhileBuilding();
    // The controls, their connections and the window's place on the screen.
    void BuildWindow();
    void CentreOnScreen();
    void PrepareForShowing();
    void PlaceOnScreen();
    void PaintGroupCaptions(std::initializer_list<QRadioButton *> group);
    void ConnectFieldTexts();
    // Copies the input form model into the controls.
    void Refresh();
    void RefreshDeckBand();
    void RefreshChoices();
    void RefreshFields();
    // Shows the reaction's message, copies the model into the controls, focuses its field.
    void React(const FormReaction &reaction);
    // Shows a failed pre-check: its message, the focus on its field, its corrected text.
    void ShowPreCheckFailure(const PreCheckFailure &failure);
    QLineEdit *FieldOf(InputField field) const;
    // The controls after a case was put into the model: notices, focus, print settings.
    void FinishShowing(const std::vector<std::string> &notices, const DesignCase &record);
    void LeaveCheck(InputField field);

    // The controls, each named after its member (objectName) so that tests and tools
    // find it.
    // Deck band.
    QFrame *deckPanel = nullptr;
    QGroupBox *deckFamilyGroup = nullptr;
    QRadioButton *ridgeDeckOption = nullptr; // "PXリッジデッキ"
    QRadioButton *pxDeckOption = nullptr;    // "PXデッキ"
    DropDownList *modelList = nullptr;
    DropDownList *thicknessList = nullptr;
    DropDownList *coatingList = nullptr;
    QLineEdit *unitWeightField = nullptr;
    QLabel *allowableSymbolLabel = nullptr; // "ｆ"
    QLabel *allowableValueLabel = nullptr;  // "b：235 N/ｍ㎡"

    // Span band.
    QFrame *spanPanel = nullptr;
    QLineEdit *spanField = nullptr;
    UpDownArrows *spanArrows = nullptr;
    QGroupBox *shoringGroup = nullptr;
    QRadioButton *noShoringOption = nullptr;
    QRadioButton *shoringOneRowOption = nullptr;
    QRadioButton *shoringTwoRowsOption = nullptr;

    // Supporting beam band.
    QFrame *beamPanel = nullptr;
    QGroupBox *alphaClassGroup = nullptr;
    QRadioButton *steelBeamOption = nullptr;
    QRadioButton *alphaClass1Option = nullptr;
    QRadioButton *alphaClass2Option = nullptr;
    QRadioButton *alphaClass3Option = nullptr;

    // Concrete band.
    QFrame *concretePanel = nullptr;
    QToolButton *normalConcreteButton = nullptr;
    QToolButton *lightConcrete1Button = nullptr;
    QToolButton *lightConcrete2Button = nullptr;
    QLineEdit *slabThicknessField = nullptr;
    UpDownArrows *slabThicknessArrows = nullptr;

    // Loads band.
    QFrame *loadsPanel = nullptr;
    QRadioButton *standardWorkLoadOption = nullptr; // "1470 N/㎡"
    QRadioButton *otherWorkLoadOption = nullptr;    // "その他"
    QLineEdit *workLoadField = nullptr;
    QGroupBox *otherLoadGroup = nullptr;
    QLineEdit *otherLoadField = nullptr;
    UpDownArrows *otherLoadArrows = nullptr;

    // Right column, link, status bar.
    QLabel *programNameLabel = nullptr;
    QLabel *platformLabel = nullptr;
    QPushButton *calculateButton = nullptr;  // "計　算"
    QPushButton *openButton = nullptr;       // "データ読込"
    QPushButton *saveButton = nullptr;       // "データ保存"
    QPushButton *endButton = nullptr;        // "終　了"
    QPushButton *spanTableButton = nullptr;  // "最大スパン表"
    QPushButton *comparisonButton = nullptr; // "デッキ比較"
    QPushButton *helpButton = nullptr;       // "HELP ON"
    QPushButton *summaryButton = nullptr;    // "概　　要"
    QLabel *usageNoticeLink = nullptr;
    QStatusBar *statusBar = nullptr;

    PrintSettingsDialog *m_printSettings = nullptr;
    HelpWindow *m_help = nullptr;
    SummaryWindow *m_summary = nullptr;
    std::function<SummaryWindow *()> m_makeSummary;
    DesignCaseFiles *m_files = nullptr;
    ResultWindow *m_result = nullptr;
    std::function<ResultWindow *()> m_makeResult;
    QButtonGroup *m_concreteGroup = nullptr;
    HintTracker *m_hints = nullptr;
    bool m_idlePending = false;
    bool m_waitCursor = false;
    InputForm m_inputs;
    bool m_refreshing = false;
    std::string m_shownWeightHint; // the unit weight hint last given to the field
};

// How long the start-up shows the splash, in milliseconds (tests shorten it).
int &SplashMilliseconds();

// Where the main window goes: where it is, unless its right edge passes the screen's width;
// then its right edge 5 pixels inside the screen and its top at 5.
QPoint StartPosition(const QRect &window, int screenWidth);

} // namespace korvane
