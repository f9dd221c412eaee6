#pragma once
// The main window "Solmon": holds every other window as a child, carries
// the menus, opens and saves projects, keeps the recent-file list and
// creates and destroys the input sheets as kinds change.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/model/project_state.h"
#include "core/model/window_hooks.h"
#include "core/report/report_output.h"
#include "ui/app/gforms.h"

class QMdiArea;
class QMenu;
class QAction;

namespace solmon::ui {

class QtPrompts;
class TInputForm;
class TMyEdit;
class TMonthlyDlg;
class TOutputForm;
class TSelectWEADialog;
class TSelectWEAFileDlg;
class TChgViewDlg;
class TCreateNewFile;
class TMulticityOutputDlg;
class TImportEpwDlg;

inline constexpr const char* kDefaultsFile = "Defaults.SMN";
inline constexpr const char* kRecentListFile = "SOLMON.FNL";
inline constexpr const char* kHelpFile = "SOLMON.html";
inline constexpr const char* kManualFile = "SOLMON_MANUAL.PDF";
constexpr int kMaxRecentFiles = 9;

class TSOLMONApp : public QMainWindow, public WindowHooks {
  Q_OBJECT
 public:
  // `programDir` ends with a separator; Defaults.SMN and SOLMON.FNL live there.
  TSOLMONApp(ProjectState& state, QtPrompts& prompts, const QString& programDir);
  ~TSOLMONApp() override;

  ProjectState& State() { return s_; }
  QtPrompts& Prompts() { return prompts_; }
  QMdiArea* MdiArea() const { return mdi_; }
  const QString& ProgramDir() const { return programDir_; }

  QString FileName;
  QString DefaultFileName;
  QStringList FileNameList;  // oldest first
  std::array<TGForm*, kChildWindowSlots + 1> ChildWindows{};
  TMyEdit* ActiveEdit = nullptr;
  TInputForm* ActiveInputForm = nullptr;
  TGForm* ActiveChild = nullptr;
  int CreatingWindow = 0;
  TMonthlyDlg* MonthlyDlg = nullptr;
  // The one output the reports and the sheets' print and copy write through.
  ReportOutput Output;
  // The millisecond tick count of the one-second rule (replaceable in tests).
  std::function<std::uint32_t()> TickCount;

  // Start-up: the project named on the command line, else the defaults
  // project. False when not even the defaults project could be read (the
  // message has been shown).
  bool Start(const QString& commandLineProject);
  // Reads a project and rebuilds the sheets; false (message shown, open
  // project unchanged) when it cannot be read; `whenUnreadable` is added to
  // the message then. Empty = the defaults project.
  bool SetupWindows(const QString& fileName, const std::string& whenUnreadable = {});

  // File menu.
  void OpenClick();
  void SaveClick();
  void SaveAsClick();
  void ExitClick();
  void OpenRecentFile(int index);  // index into FileNameList
  void AddRecentFile();
  void RebuildFileMenu();
  // Edit menu.
  void CutClick();
  void CopyClick();
  void PasteClick();
  void MonthlyClick();
  void CopyWindowClick();
  // Preferences menu.
  void SwitchUnits(int unitSystem);
  void EconomicsOn();
  void EconomicsOff();
  // System and Collector menus.
  void ChooseSystem(int kind);
  void ChooseCollector(int kind);
  // Weather menu (and the location row of the system sheet).
  void SelectLocationClick();
  void ChangeDataClick();
  void AddDataClick();
  void NewDataFileClick();
  void ImportEpwClick();
  // Every sheet's location row shows LocationName again.
  void ShowLocationRow();
  // After a run over every location: where its file went.
  void ReportMultiLocationFile();
  TSelectWEADialog* SelectWEADialog = nullptr;
  TSelectWEAFileDlg* SelectWEAFileDlg = nullptr;
  TChgViewDlg* ChgViewDlg = nullptr;
  TCreateNewFile* CreateNewFile = nullptr;
  TMulticityOutputDlg* MulticityOutputDlg = nullptr;
  TImportEpwDlg* ImportEpwDlg = nullptr;
  // Run/Plot menu.
  void CalculateClick();
  // Window menu.
  void ShowSheetWindow(int w);
  // Help menu.
  void HelpIndexClick();
  void ManualClick();
  void ShowHelpTopic(int context);

  // Commits ActiveEdit; false when its value is rejected (its sheet is then
  // brought to the front).
  bool CommitActiveEdit();
  // The first field of the sheets that holds a rejected value, if any.
  TMyEdit* RejectedField() const;

  TInputForm* Sheet(int w) const;
  TOutputForm* Report(int w) const;
  // The report window w (4 or 5), created hidden when it does not exist.
  TOutputForm* EnsureReport(int w);
  TGForm* Child(int w) const { return ChildWindows.at(w); }
  void ChildActivated(TGForm* form);
  void FormDestroyed(TGForm* form);

  // The menus and items, for the enabling rules.
  QMenu *FileMenu, *EditMenu, *PreferencesMenu, *SystemMenu, *CollectorMenu, *WeatherMenu,
      *RunMenu, *WindowMenu, *HelpMenu;
  QAction *OpenItem, *SaveItem, *SaveAsItem, *PrintItem, *PrinterSetupItem, *ExitItem;
  QAction *CutItem, *CopyItem, *PasteItem, *MonthlyItem, *CopyWindowItem;
  QAction *SIUnitsItem, *EnglishUnitsItem, *EconomicsOnItem, *EconomicsOffItem;
  std::array<QAction*, 10> SystemItems{};     // by kind 1..9
  std::array<QAction*, 6> CollectorItems{};   // by kind 1..5
  QAction *SelectLocationItem, *ChangeDataItem, *AddDataItem, *NewDataFileItem, *ImportEpwItem;
  QAction *CalculateItem, *ParametricPlotItem, *MonthlyPlotItem;
  QAction *SystemWindowItem, *CollectorWindowItem, *EconomicsWindowItem, *ThermalWindowItem,
      *EconomicWindowItem, *PlotWindowItem, *TileItem, *CascadeItem;
  QAction *HelpIndexItem, *ManualItem, *AboutItem;
  QList<QAction*> RecentItems;

  // The enabling rules, run when each menu opens.
  void EditMenuOpened();
  void PreferencesMenuOpened();
  void SystemMenuOpened();
  void CollectorMenuOpened();
  bool RunMenuOpened();
  bool WindowMenuOpened();
  bool WeatherMenuOpened();

  // WindowHooks.
  void HideReportWindows() override;
  void ClearActiveEdit() override { ActiveEdit = nullptr; }
  bool SheetWindowExists(int sheet) const override;
  bool SheetWindowVisible(int sheet) const override;
  SheetRect SheetWindowRect(int sheet) const override;
  void SetSheetWindowVisible(int sheet, bool visible) override;
  int ActiveSheetWindow() const override;
  int VerticalScrollThumbHeight() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreatePreferencesMenu();
  void CreateKindMenus();
  void CreateWeatherAndRunMenus();
  void CreateWeatherDialogs();
  void CreateWindowMenu();
  void CreateHelpMenu();
  QAction* AddItem(QMenu* menu, const QString& caption, int helpContext,
                   const QKeySequence& shortcut = {});
  bool CommitEdit(TMyEdit* edit);
  // Asks to save a modified project before it is replaced or left; false
  // when the user cancels.
  bool ConfirmLeaveProject();
  void CreateSheet(int w);
  void DestroySheet(int w);
  void ShowSheetsAfterSetup();
  void SetSaveCaption();
  void UpdateCollectorMenu();
  bool WriteProjectTo(const QString& path);
  bool ConfirmDefaultSave();
  void LoadRecentList();
  void WriteRecentList() const;
  void KindsChanged();
  TGForm* ActiveChildForm() const;
  // Where report window w of this size first opens.
  QPoint ReportPlace(int w, const QSize& size) const;

  ProjectState& s_;
  QtPrompts& prompts_;
  QString programDir_;
  QMdiArea* mdi_;
  bool exiting_ = false;
};

}  // namespace solmon::ui
