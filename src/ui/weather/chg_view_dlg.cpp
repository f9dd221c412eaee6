#include "ui/weather/chg_view_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QVBoxLayout>

#include "core/model/numbers.h"
#include "core/model/units.h"
#include "core/report/multi_location_file.h"
#include "core/report/weather_table_report.h"
#include "core/weather/weather_file.h"
#include "core/weather/weather_grid.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"

namespace solmon::ui {

namespace {

constexpr int kHeadingRole = Qt::UserRole + 1;  // the second heading line

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A heading piece: text and whether it is a superscript.
struct Piece {
  QString text;
  bool super;
};

std::vector<Piece> Pieces(const QString& text) {
  std::vector<Piece> out;
  QString run;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == '^' && i + 1 < text.size()) {
      if (!run.isEmpty()) out.push_back({run, false});
      run.clear();
      out.push_back({QString(text[++i]), true});
    } else {
      run += text[i];
    }
  }
  if (!run.isEmpty()) out.push_back({run, false});
  return out;
}

// One heading line centred in `rect`, superscripts at size 6, 4 pixels higher.
void DrawHeading(QPainter* p, const QRect& rect, const QString& text) {
  QFont normal = p->font();
  normal.setBold(true);
  normal.setPointSize(8);
  QFont small = normal;
  small.setPointSize(6);
  const std::vector<Piece> pieces = Pieces(text);
  int width = 0;
  for (const Piece& piece : pieces)
    width += QFontMetrics(piece.super ? small : normal).horizontalAdvance(piece.text);
  int x = rect.left() + (rect.width() - width) / 2;
  const int baseline = rect.top() + (rect.height() + QFontMetrics(normal).ascent()) / 2 - 1;
  for (const Piece& piece : pieces) {
    p->setFont(piece.super ? small : normal);
    p->drawText(x, baseline - (piece.super ? Px(4) : 0), piece.text);
    x += p->fontMetrics().horizontalAdvance(piece.text);
  }
}

}  // namespace

// ---- TWeatherGridModel ------------------------------------------------------

TWeatherGridModel::TWeatherGridModel(ProjectState& s, QObject* parent)
    : QAbstractTableModel(parent), s_(s) {}

int TWeatherGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGridMonths + 1;
}

int TWeatherGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGridColumns + 1;
}

QVariant TWeatherGridModel::data(const QModelIndex& index, int role) const {
  const int r = index.row(), c = index.column();
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != kHeadingRole) return {};
  if (r == 0) return c == 0 ? QString() : Q(GridHeading(c, role == kHeadingRole ? 2 : 1, s_.UnitSystem));
  if (role == kHeadingRole) return {};
  if (c == 0) return Q(RecordLabel(r));
  return Q(GridCellText(s_, r, c));
}

bool TWeatherGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  const CellEdit e = SetGridCell(s_, index.row(), index.column(), value.toString().toStdString());
  if (e == CellEdit::NotEditable || e == CellEdit::Ignored) return false;
  Refresh();  // a temperature moves its degree-days
  return true;
}

Qt::ItemFlags TWeatherGridModel::flags(const QModelIndex& index) const {
  if (index.row() == 0 || index.column() == 0) return Qt::ItemIsEnabled;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (GridColumnEditable(index.column())) f |= Qt::ItemIsEditable;
  return f;
}

void TWeatherGridModel::Refresh() {
  emit dataChanged(index(0, 0), index(kGridMonths, kGridColumns));
}

// ---- TWeatherGridDelegate ---------------------------------------------------

void TWeatherGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const int r = index.row(), c = index.column();
  const QRect rect = option.rect;
  p->save();
  if (r == 0 || c == 0) {
    p->fillRect(rect, option.palette.button());
    p->setPen(option.palette.color(QPalette::ButtonText));
    if (r == 0) {
      const QRect top(rect.left(), rect.top(), rect.width(), rect.height() / 2);
      const QRect bottom(rect.left(), rect.top() + rect.height() / 2, rect.width(),
                         rect.height() - rect.height() / 2);
      DrawHeading(p, top, index.data(Qt::DisplayRole).toString());
      DrawHeading(p, bottom, index.data(kHeadingRole).toString());
    } else {
      p->drawText(rect.adjusted(Px(4), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                  index.data().toString());
    }
  } else {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(rect, selected ? option.palette.highlight() : option.palette.base());
    QColor pen = selected ? option.palette.color(QPalette::HighlightedText)
                          : option.palette.color(QPalette::Text);
    if (!GridColumnEditable(c)) pen = Qt::gray;
    p->setPen(pen);
    p->drawText(rect.adjusted(0, 0, -Px(4), 0), Qt::AlignRight | Qt::AlignVCenter,
                index.data().toString());
  }
  p->restore();
}

// ---- TChgViewDlg --------------------------------------------------------------

TChgViewDlg::TChgViewDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : QDialog(parent), s_(s), prompts_(prompts) {
  setWindowTitle("Change or View Weather Data");
  Label1 = new QLabel("City:", this);
  CityName = new QLineEdit(this);
  CityName->setMaxLength(static_cast<int>(kLocationNameMax));
  Label2 = new QLabel("Latitude:", this);
  Latitude = new QLineEdit(this);
  Label4 = new QLabel("\u00B0", this);
  Label3 = new QLabel("Deg-day base:", this);
  BaseTemp = new QLineEdit(this);
  Label5 = new QLabel(this);
  for (QLineEdit* e : {Latitude, BaseTemp}) e->setMaximumWidth(Px(70));

  GridModel = new TWeatherGridModel(s_, this);
  Grid = new QTableView(this);
  Grid->setObjectName("Grid");
  Grid->setModel(GridModel);
  Grid->setItemDelegate(new TWeatherGridDelegate(Grid));
  Grid->horizontalHeader()->hide();
  Grid->verticalHeader()->hide();
  Grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  Grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Grid->installEventFilter(this);

  OKBtn = new QPushButton("OK", this);
  CancelBtn = new QPushButton("Cancel", this);
  Archive = new QPushButton("Archive", this);
  PasteBtn = new QPushButton("Paste", this);
  CopyBtn = new QPushButton("Copy", this);
  for (QPushButton* b : {OKBtn, CancelBtn, Archive, PasteBtn, CopyBtn}) b->setAutoDefault(false);

  auto* fields = new QHBoxLayout;
  fields->addWidget(Label1);
  fields->addWidget(CityName, 2);
  fields->addSpacing(Px(12));
  fields->addWidget(Label2);
  fields->addWidget(Latitude);
  fields->addWidget(Label4);
  fields->addSpacing(Px(12));
  fields->addWidget(Label3);
  fields->addWidget(BaseTemp);
  fields->addWidget(Label5);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CopyBtn);
  buttons->addWidget(PasteBtn);
  buttons->addStretch();
  buttons->addWidget(Archive);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(Grid);
  layout->addLayout(buttons);
  SizeGrid();

  connect(OKBtn, &QPushButton::clicked, this, &TChgViewDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TChgViewDlg::reject);
  connect(Archive, &QPushButton::clicked, this, &TChgViewDlg::ArchiveClick);
  connect(CopyBtn, &QPushButton::clicked, this, &TChgViewDlg::CopytoClip);
  connect(PasteBtn, &QPushButton::clicked, this, &TChgViewDlg::PasteClick);
  connect(BaseTemp, &QLineEdit::textEdited, this, &TChgViewDlg::BaseTempChange);
  connect(Grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TChgViewDlg::UpdateButtons);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TChgViewDlg::UpdateButtons);
}

void TChgViewDlg::SizeGrid() {
  Grid->setRowHeight(0, Px(38));
  for (int r = 1; r <= kGridMonths; ++r) Grid->setRowHeight(r, Px(20));
  Grid->setColumnWidth(0, Px(50));
  for (int c = 1; c <= kGridColumns; ++c) Grid->setColumnWidth(c, Px(75));
  const int frame = 2 * Grid->frameWidth();
  Grid->setFixedSize(Px(50) + kGridColumns * Px(75) + frame + 1,
                     Px(38) + kGridMonths * Px(20) + frame + 1);
}

int TChgViewDlg::exec() {
  if (!FormActivate()) return QDialog::Rejected;
  return QDialog::exec();
}

bool TChgViewDlg::FormActivate() {
  if (const auto message = session_.Begin(s_, AddNew)) {
    prompts_.ShowMessageBox(*message, 0, true);
    return false;
  }
  // The degree-days as the grid computes them, also for kinds that do not
  // keep them up to date through unit switches.
  RecomputeDegreeDays(s_);
  setWindowTitle(AddNew ? "Change or View Weather Data - new location " +
                              QString::number(s_.LocationIndex) + " of " +
                              QString::fromStdString(s_.WeatherFileName)
                        : "Change or View Weather Data");
  Latitude->setText(Q(FormatValue(Real6ToDouble(s_.Location.Latitude), {DecStyle::FixedDecimal, 2})));
  CityName->setText(Q(s_.Location.Name()));
  BaseTemp->setText(Q(FormatValue(Real6ToDouble(s_.Location.DegDayBase), {DecStyle::FixedDecimal, 1})));
  Label5->setText(s_.UnitSystem == kSI ? "\u00B0C" : "\u00B0F");
  GridModel->Refresh();
  Grid->setCurrentIndex(GridModel->index(1, 1));
  SizeGrid();
  UpdateButtons();
  return true;
}

void TChgViewDlg::UpdateButtons() {
  const QModelIndexList cells = Grid->selectionModel()->selectedIndexes();
  CopyBtn->setEnabled(cells.size() > 1);
  const QMimeData* clip = QApplication::clipboard()->mimeData();
  PasteBtn->setEnabled(clip && clip->hasText());
}

void TChgViewDlg::BaseTempChange() {
  if (SetBaseTemperature(s_, BaseTemp->text().toStdString())) GridModel->Refresh();
}

bool TChgViewDlg::ApplyOk() {
  if (!session_.ApplyNameAndLatitude(s_, CityName->text().toStdString(),
                                     Latitude->text().toStdString())) {
    prompts_.Beep();
    Latitude->setFocus();
    Latitude->selectAll();
    return false;
  }
  // The location row shows the location as edited (not in a run over all
  // locations, whose row names the file).
  if (s_.LocationIndex >= 1) s_.LocationName = s_.Location.Name();
  return true;
}

void TChgViewDlg::OKBtnClick() {
  if (ApplyOk()) accept();
}

void TChgViewDlg::CancelBtnClick() { session_.Cancel(s_); }

void TChgViewDlg::reject() {
  CancelBtnClick();
  QDialog::reject();
}

void TChgViewDlg::ArchiveClick() {
  std::string path;
  try {
    path = WeatherFilePath(s_);
  } catch (const WeatherFileError& e) {
    prompts_.ShowMessageBox(e.what(), 0, true);
    return;
  }
  const std::string question =
      "You are about to permanently modify weather file " + path + ".  Continue?";
  if (prompts_.ShowMessageBox(question, 2, true) != MessageButton::OK) return;
  if (!ApplyOk()) return;
  if (const auto message = session_.Archive(s_)) {
    prompts_.ShowMessageBox(*message, 0, true);
    return;
  }
  accept();
}

void TChgViewDlg::CopytoClip() {
  const QModelIndexList cells = Grid->selectionModel()->selectedIndexes();
  if (cells.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  GridRange g{kGridMonths, kGridColumns, 1, 1};
  for (const QModelIndex& i : cells) {
    g.top = std::min(g.top, i.row());
    g.bottom = std::max(g.bottom, i.row());
    g.left = std::min(g.left, i.column());
    g.right = std::max(g.right, i.column());
  }
  QApplication::clipboard()->setText(Q(GridCopyText(s_, g)));
  Grid->setCurrentIndex(GridModel->index(g.top, g.left));
  QApplication::restoreOverrideCursor();
}

void TChgViewDlg::PasteClick() {
  const QMimeData* clip = QApplication::clipboard()->mimeData();
  if (!clip || !clip->hasText()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QModelIndex at = Grid->currentIndex();
  const PasteResult r = PasteIntoGrid(s_, clip->text().toStdString(), at.isValid() ? at.row() : 1,
                                      at.isValid() ? at.column() : 1);
  GridModel->Refresh();
  Grid->setFocus();
  QApplication::restoreOverrideCursor();
  if (!r.ok) prompts_.ShowMessageBox(r.message, 0, true);
}

void TChgViewDlg::SelectAllCells() {
  Grid->selectionModel()->select(
      QItemSelection(GridModel->index(1, 1), GridModel->index(kGridMonths, kGridColumns)),
      QItemSelectionModel::ClearAndSelect);
}

void TChgViewDlg::ClearSelectedCells() {
  bool any = false;
  for (const QModelIndex& i : Grid->selectionModel()->selectedIndexes())
    any = SetGridCell(s_, i.row(), i.column(), "") == CellEdit::Changed || any;
  if (any) GridModel->Refresh();
}

bool TChgViewDlg::eventFilter(QObject* watched, QEvent* event) {
  // Delete clears the selected cells, as typing an empty value would (a
  // cell being edited keeps its keys: they go to its editor).
  if (watched == Grid && event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Delete && k->modifiers() == Qt::NoModifier) {
      ClearSelectedCells();
      return true;
    }
  }
  // The dialog sees Ctrl+C, Ctrl+V and Ctrl+A before the grid does.
  if (watched == Grid &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (k->modifiers() & Qt::ControlModifier) {
      const int key = k->key();
      if (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_A) {
        if (event->type() == QEvent::ShortcutOverride) {
          event->accept();
          return true;
        }
        if (key == Qt::Key_C && CopyBtn->isEnabled()) CopytoClip();
        if (key == Qt::Key_V && PasteBtn->isEnabled()) PasteClick();
        if (key == Qt::Key_A) SelectAllCells();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TChgViewDlg::Print(ReportOutput& out) const { PrintWeatherTable(s_, out); }

}  // namespace solmon::ui
