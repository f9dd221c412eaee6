#include "ui/app/solmon_app.h"

#include <QCloseEvent>
#include <algorithm>
#include <cmath>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"
#include "ui/report/output_form.h"
#include "ui/sheets/input_form.h"
#include "ui/sheets/monthly_dlg.h"

namespace solmon::ui {

namespace {

std::uint32_t SystemTickCount() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return static_cast<std::uint32_t>(timer.elapsed());
}

}  // namespace

TSOLMONApp::TSOLMONApp(ProjectState& state, QtPrompts& prompts, const QString& programDir)
    : s_(state), prompts_(prompts), programDir_(programDir) {
  TickCount = SystemTickCount;
  setWindowTitle("Solmon");
  prompts_.SetParent(this);
  s_.SetWindows(this);
  s_.ProgramDir = programDir_.toStdString();
  DefaultFileName = programDir_ + kDefaultsFile;
  FileName = DefaultFileName;
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this,
          [this](QMdiSubWindow* w) { ChildActivated(qobject_cast<TGForm*>(w)); });
  CreateMenus();
  LoadRecentList();
  RebuildFileMenu();
  MonthlyDlg = new TMonthlyDlg(this);
  CreateWeatherDialogs();
}

TSOLMONApp::~TSOLMONApp() {
  for (int w = 1; w <= kChildWindowSlots; ++w) {
    if (auto* sheet = qobject_cast<TInputForm*>(ChildWindows[w])) sheet->BeginDestroy();
    delete ChildWindows[w];
  }
  s_.SetWindows(nullptr);
}

QAction* TSOLMONApp::AddItem(QMenu* menu, const QString& caption, int helpContext,
                             const QKeySequence& shortcut) {
  QAction* a = menu->addAction(caption);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (helpContext > 0) a->setProperty("HelpContext", helpContext);
  return a;
}

void TSOLMONApp::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreatePreferencesMenu();
  CreateKindMenus();
  CreateWeatherAndRunMenus();
  CreateWindowMenu();
  CreateHelpMenu();
  for (QMenu* m : {FileMenu, EditMenu, PreferencesMenu, SystemMenu, CollectorMenu, WeatherMenu,
                   RunMenu, WindowMenu, HelpMenu})
    m->installEventFilter(this);
}

void TSOLMONApp::CreateFileMenu() {
  FileMenu = menuBar()->addMenu("&File");
  OpenItem = AddItem(FileMenu, "&Open", 101);
  SaveItem = AddItem(FileMenu, "&Save", 102, QKeySequence("Ctrl+S"));
  SaveAsItem = AddItem(FileMenu, "&Save as", 0);
  FileMenu->addSeparator();
  PrintItem = AddItem(FileMenu, "&Print", 104, QKeySequence("Ctrl+P"));
  PrinterSetupItem = AddItem(FileMenu, "Printer Set&up", 105);
  FileMenu->addSeparator();
  ExitItem = AddItem(FileMenu, "E&xit", 106, QKeySequence("Ctrl+Q"));
  // Printing comes with its own dialogs; until then the items stay disabled.
  PrintItem->setEnabled(false);
  PrinterSetupItem->setEnabled(false);
  connect(OpenItem, &QAction::triggered, this, &TSOLMONApp::OpenClick);
  connect(SaveItem, &QAction::triggered, this, &TSOLMONApp::SaveClick);
  connect(SaveAsItem, &QAction::triggered, this, &TSOLMONApp::SaveAsClick);
  connect(ExitItem, &QAction::triggered, this, &TSOLMONApp::ExitClick);
}

void TSOLMONApp::CreateEditMenu() {
  EditMenu = menuBar()->addMenu("&Edit");
  CutItem = AddItem(EditMenu, "Cu&t", 201, QKeySequence("Ctrl+X"));
  CopyItem = AddItem(EditMenu, "&Copy", 202, QKeySequence("Ctrl+C"));
  PasteItem = AddItem(EditMenu, "&Paste", 203, QKeySequence("Ctrl+V"));
  EditMenu->addSeparator();
  MonthlyItem = AddItem(EditMenu, "&Monthly", 204, QKeySequence("Ctrl+M"));
  EditMenu->addSeparator();
  CopyWindowItem = AddItem(EditMenu, "Copy &Window", 205, QKeySequence("Ctrl+A"));
  connect(EditMenu, &QMenu::aboutToShow, this, &TSOLMONApp::EditMenuOpened);
  // The shortcuts stay live between openings; each command checks its own case.
  connect(EditMenu, &QMenu::aboutToHide, this, [this] {
    for (QAction* a : EditMenu->actions()) a->setEnabled(true);
  });
  connect(CutItem, &QAction::triggered, this, &TSOLMONApp::CutClick);
  connect(CopyItem, &QAction::triggered, this, &TSOLMONApp::CopyClick);
  connect(PasteItem, &QAction::triggered, this, &TSOLMONApp::PasteClick);
  connect(MonthlyItem, &QAction::triggered, this, &TSOLMONApp::MonthlyClick);
  connect(CopyWindowItem, &QAction::triggered, this, &TSOLMONApp::CopyWindowClick);
}

void TSOLMONApp::CreatePreferencesMenu() {
  PreferencesMenu = menuBar()->addMenu("&Preferences");
  SIUnitsItem = AddItem(PreferencesMenu, "&SI Units", 301);
  EnglishUnitsItem = AddItem(PreferencesMenu, "&English Units", 302);
  PreferencesMenu->addSeparator();
  EconomicsOnItem = AddItem(PreferencesMenu, "Economics &On", 303, QKeySequence("Ctrl+E"));
  EconomicsOffItem = AddItem(PreferencesMenu, "Economics O&ff", 304);
  for (QAction* a : {SIUnitsItem, EnglishUnitsItem, EconomicsOnItem, EconomicsOffItem})
    a->setCheckable(true);
  connect(PreferencesMenu, &QMenu::aboutToShow, this, &TSOLMONApp::PreferencesMenuOpened);
  connect(SIUnitsItem, &QAction::triggered, this, [this] { SwitchUnits(0); });
  connect(EnglishUnitsItem, &QAction::triggered, this, [this] { SwitchUnits(1); });
  connect(EconomicsOnItem, &QAction::triggered, this, &TSOLMONApp::EconomicsOn);
  connect(EconomicsOffItem, &QAction::triggered, this, &TSOLMONApp::EconomicsOff);
}

void TSOLMONApp::CreateKindMenus() {
  SystemMenu = menuBar()->addMenu("&System");
  struct Item {
    int kind;
    const char* caption;
  };
  static const Item systems[] = {{9, "&Active Domestic Hot Water "},
                                 {1, "&Pebble-Bed Storage and DHW"},
                                 {2, "&Water Storage and DHW"},
                                 {3, "&Building Storage"},
                                 {4, "Passive &Direct-Gain"},
                                 {5, "Passive &Storage Wall"},
                                 {6, "Poo&l Heating"},
                                 {7, "&General Heating System"},
                                 {8, "&Integral Collector-Storage"}};
  for (const Item& it : systems) {
    QAction* a = AddItem(SystemMenu, it.caption, 400 + it.kind);
    a->setCheckable(true);
    SystemItems[it.kind] = a;
    connect(a, &QAction::triggered, this, [this, k = it.kind] { ChooseSystem(k); });
  }
  connect(SystemMenu, &QMenu::aboutToShow, this, &TSOLMONApp::SystemMenuOpened);

  CollectorMenu = menuBar()->addMenu("&Collector");
  static const char* collectors[] = {"&Flat-Plate", "&Evacuated Tube", "&Compound Parabolic",
                                     "&1-Axis Tracking", "&2-Axis Tracking"};
  for (int k = 1; k <= 5; ++k) {
    QAction* a = AddItem(CollectorMenu, collectors[k - 1], 500 + k);
    a->setCheckable(true);
    CollectorItems[k] = a;
    connect(a, &QAction::triggered, this, [this, k] { ChooseCollector(k); });
  }
  connect(CollectorMenu, &QMenu::aboutToShow, this, &TSOLMONApp::CollectorMenuOpened);
}

void TSOLMONApp::CreateWeatherAndRunMenus() {
  WeatherMenu = menuBar()->addMenu("&Weather");
  SelectLocationItem = AddItem(WeatherMenu, "&Select Data Location", 601);
  ChangeDataItem = AddItem(WeatherMenu, "&Change/View Data", 602);
  WeatherMenu->addSeparator();
  AddDataItem = AddItem(WeatherMenu, "&Add New Data", 603);
  NewDataFileItem = AddItem(WeatherMenu, "Create New Data File", 206);
  ImportEpwItem = AddItem(WeatherMenu, "Import EPW...", 0);
  connect(WeatherMenu, &QMenu::aboutToShow, this, [this] { WeatherMenuOpened(); });
  connect(SelectLocationItem, &QAction::triggered, this, &TSOLMONApp::SelectLocationClick);
  connect(ChangeDataItem, &QAction::triggered, this, &TSOLMONApp::ChangeDataClick);
  connect(AddDataItem, &QAction::triggered, this, &TSOLMONApp::AddDataClick);
  connect(NewDataFileItem, &QAction::triggered, this, &TSOLMONApp::NewDataFileClick);
  connect(ImportEpwItem, &QAction::triggered, this, &TSOLMONApp::ImportEpwClick);

  RunMenu = menuBar()->addMenu("&Run/Plot");
  CalculateItem = AddItem(RunMenu, "&Calculate", 701, QKeySequence("F2"));
  RunMenu->addSeparator();
  ParametricPlotItem = AddItem(RunMenu, "&Parametric Plot", 702);
  MonthlyPlotItem = AddItem(RunMenu, "&Monthly Plot", 703);
  ParametricPlotItem->setEnabled(false);
  MonthlyPlotItem->setEnabled(false);
  connect(RunMenu, &QMenu::aboutToShow, this, [this] { RunMenuOpened(); });
  connect(CalculateItem, &QAction::triggered, this, &TSOLMONApp::CalculateClick);
}

void TSOLMONApp::CreateWindowMenu() {
  WindowMenu = menuBar()->addMenu("&Window");
  SystemWindowItem = AddItem(WindowMenu, "&System Parameters", 801);
  CollectorWindowItem = AddItem(WindowMenu, "&Collector Parameters", 802);
  EconomicsWindowItem = AddItem(WindowMenu, "&Economic Parameters", 803);
  WindowMenu->addSeparator();
  ThermalWindowItem = AddItem(WindowMenu, "&Thermal Output", 804);
  EconomicWindowItem = AddItem(WindowMenu, "Economic &Output", 805);
  PlotWindowItem = AddItem(WindowMenu, "Plot Window", 806);
  WindowMenu->addSeparator();
  TileItem = AddItem(WindowMenu, "Tile", 807);
  CascadeItem = AddItem(WindowMenu, "Cascade", 0);
  PlotWindowItem->setEnabled(false);
  connect(WindowMenu, &QMenu::aboutToShow, this, [this] { WindowMenuOpened(); });
  const std::pair<QAction*, int> sheets[] = {{SystemWindowItem, kSystemWindow},
                                             {CollectorWindowItem, kCollectorWindow},
                                             {EconomicsWindowItem, kEconomicsWindow},
                                             {ThermalWindowItem, kThermalWindow},
                                             {EconomicWindowItem, kEconomicWindow}};
  for (const auto& [item, w] : sheets)
    connect(item, &QAction::triggered, this, [this, w = w] { ShowSheetWindow(w); });
  connect(TileItem, &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);
  connect(CascadeItem, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
}

void TSOLMONApp::CreateHelpMenu() {
  HelpMenu = menuBar()->addMenu("&Help");
  HelpIndexItem = AddItem(HelpMenu, "Help &Index", 0);
  ManualItem = AddItem(HelpMenu, "Solmon Manual", 0);
  HelpMenu->addSeparator();
  AboutItem = AddItem(HelpMenu, "&About Solmon", 0);
  connect(HelpIndexItem, &QAction::triggered, this, &TSOLMONApp::HelpIndexClick);
  connect(ManualItem, &QAction::triggered, this, &TSOLMONApp::ManualClick);
  connect(AboutItem, &QAction::triggered, this, [this] { prompts_.ShowAbout(); });
}

bool TSOLMONApp::eventFilter(QObject* watched, QEvent* event) {
  // F1 on a menu item shows the item's help topic.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
      if (QAction* a = menu->activeAction(); a && a->property("HelpContext").isValid()) {
        ShowHelpTopic(a->property("HelpContext").toInt());
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TSOLMONApp::closeEvent(QCloseEvent* event) {
  if (exiting_) {
    event->accept();
    return;
  }
  // The close box asks like Exit does, so that no change is lost unasked.
  event->ignore();
  ExitClick();
}

// ---- child windows ------------------------------------------------------

TInputForm* TSOLMONApp::Sheet(int w) const {
  return w >= 1 && w <= 3 ? qobject_cast<TInputForm*>(ChildWindows[w]) : nullptr;
}

TOutputForm* TSOLMONApp::Report(int w) const {
  return w == kThermalWindow || w == kEconomicWindow ? qobject_cast<TOutputForm*>(ChildWindows[w])
                                                     : nullptr;
}

TOutputForm* TSOLMONApp::EnsureReport(int w) {
  if (TOutputForm* existing = Report(w)) return existing;
  CreatingWindow = w;
  auto* form = new TOutputForm(this);
  ChildWindows[w] = form;
  mdi_->addSubWindow(form);
  form->SetClientSize(Px(550), Px(330));
  form->move(ReportPlace(w, form->size()));
  form->Hide();
  return form;
}

QPoint TSOLMONApp::ReportPlace(int w, const QSize& size) const {
  // Beside the sheets when the main window has room for a column of reports,
  // else side by side below the system sheet's usual place.
  int right = 0;
  for (int sheet = 1; sheet <= 3; ++sheet)
    if (const TInputForm* f = Sheet(sheet); f && f->IsVisible)
      right = std::max(right, f->geometry().right() + 1);
  const int gap = Px(10);
  if (right > 0 && right + gap + size.width() <= mdi_->viewport()->width())
    return {right + gap, w == kThermalWindow ? 0 : size.height() + gap};
  return {Px(w == kThermalWindow ? 0 : 560), Px(445)};
}

TGForm* TSOLMONApp::ActiveChildForm() const {
  return qobject_cast<TGForm*>(mdi_->activeSubWindow());
}

void TSOLMONApp::ChildActivated(TGForm* form) {
  if (ActiveChild && ActiveChild != form) ActiveChild->FormDeactivate();
  ActiveChild = form;
  if (form) form->FormActivate();
}

void TSOLMONApp::FormDestroyed(TGForm* form) {
  for (auto& slot : ChildWindows)
    if (slot == form) slot = nullptr;
  if (ActiveEdit && ActiveEdit->Form() == form) ActiveEdit = nullptr;
  if (ActiveInputForm == form) ActiveInputForm = nullptr;
  if (ActiveChild == form) ActiveChild = nullptr;
  if (MonthlyDlg && MonthlyDlg->CurrentEdit && MonthlyDlg->CurrentEdit->Form() == form)
    MonthlyDlg->CurrentEdit = nullptr;
}

void TSOLMONApp::CreateSheet(int w) {
  CreatingWindow = w;
  auto* form = new TInputForm(this);
  ChildWindows[w] = form;
  mdi_->addSubWindow(form);
  form->PlaceWindow();
}

void TSOLMONApp::DestroySheet(int w) {
  TInputForm* form = Sheet(w);
  if (!form) return;
  form->BeginDestroy();
  form->Hide();
  mdi_->removeSubWindow(form);
  delete form;
}

void TSOLMONApp::HideReportWindows() {
  for (int w : {kThermalWindow, kEconomicWindow})
    if (ChildWindows[w]) ChildWindows[w]->Hide();
}

bool TSOLMONApp::SheetWindowExists(int sheet) const { return Sheet(sheet) != nullptr; }

bool TSOLMONApp::SheetWindowVisible(int sheet) const {
  const TInputForm* f = Sheet(sheet);
  return f && f->IsVisible;
}

SheetRect TSOLMONApp::SheetWindowRect(int sheet) const {
  const TInputForm* f = Sheet(sheet);
  if (!f) return {};
  const QRect g = f->geometry();
  const double k = ScreenScale();
  auto design = [k](int v) { return static_cast<short>(std::lround(v / k)); };
  return {design(g.left()), design(g.top()), design(g.right() + 1), design(g.bottom() + 1)};
}

void TSOLMONApp::SetSheetWindowVisible(int sheet, bool visible) {
  if (TInputForm* f = Sheet(sheet)) visible ? f->Show() : f->Hide();
}

int TSOLMONApp::VerticalScrollThumbHeight() const {
  return static_cast<int>(std::lround(style()->pixelMetric(QStyle::PM_ScrollBarExtent) /
                                      ScreenScale()));
}

int TSOLMONApp::ActiveSheetWindow() const {
  const TGForm* f = ActiveChildForm();
  return f && f->Tag() >= 1 && f->Tag() <= 3 ? f->Tag() : 0;
}

}  // namespace solmon::ui
