#include "FrmFormatoCsv.h"

#include "controls/ClCntrl.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/LabelFor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"
#include "statements/CsvStatementReader.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 12000;
constexpr int kHeight = 7800;

// Enough movements to see that dates and amounts read, few enough to read at a glance.
constexpr int kPreviewRows = 8;
// A hostile file may split a row into thousands of fields: no list offers more columns.
constexpr int kMostColumns = 100;

// The column choosers, in the order ENTER walks them, and the layout's column each one sets.
struct ColumnChooser {
    const char* name;
    const char* caption;
    int CsvLayout::*column;
};
constexpr ColumnChooser kColumnChoosers[] = {
    {"cboOperacion", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Fecha de operación:"),
     &CsvLayout::operationDate},
    {"cboValor", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Fecha valor:"),
     &CsvLayout::valueDate},
    {"cboDescripcion", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Descripción:"),
     &CsvLayout::description},
    {"cboReferencia", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Referencia:"),
     &CsvLayout::reference},
    {"cboImporte", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Importe:"), &CsvLayout::amount},
    {"cboDebe", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Debe:"), &CsvLayout::debit},
    {"cboHaber", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Haber:"), &CsvLayout::credit},
    {"cboSaldo", QT_TRANSLATE_NOOP("ledgora::FrmFormatoCsv", "Saldo:"), &CsvLayout::balance},
};
enum ChooserIndex { kOperation, kValue, kDescription, kReference, kAmount, kDebit, kCredit };

enum Column { kDateCol, kValueCol, kTextCol, kReferenceCol, kAmountCol, kBalanceCol, kColumns };

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A file's text as the screen shows it: on one line, and no longer than is read at a glance,
// however long the cell or whatever bytes a binary file gave it.
QString shown(const QString& text, int most) {
    QString line = text.left(4 * most);
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    line = line.simplified();
    return line.size() > most ? line.left(most - 1) + QChar(0x2026) : line;
}

// A cell the layout cannot read, shown between question marks: the person sees which choice
// does not fit the file.
QString unread(const QString& cell) {
    return FrmFormatoCsv::tr("¿%1?").arg(shown(cell, 30));
}

// "dd/MM/yyyy" as a Spanish speaker writes it: "dd/mm/aaaa".
QString spanishDateFormat(const QString& format) {
    QString spanish = format;
    spanish.replace(u'y', u'a').replace(u'M', u'm');
    return spanish;
}

// Makes current the entry holding `data`; a value the lists do not offer (a layout stored by
// hand) is added under its own text, so that accepting the screen keeps it.
void choose(QComboBox* list, const QVariant& data, const QString& text) {
    int index = list->findData(data);
    if (index < 0) {
        list->addItem(text, data);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

QString cellOf(const QStringList& row, int column) {
    return column == CsvLayout::kNone ? QString() : row.value(column).trimmed();
}

Money magnitude(Money amount) {
    return amount < Money() ? -amount : amount;
}

// A row's movement as the reader takes it: dates, texts, the signed amount (one column, or the
// credit less the debit) and the balance.
QStringList previewRow(const CsvLayout& layout, const QStringList& row) {
    QStringList cells(kColumns);
    const QString operation = cellOf(row, layout.operationDate);
    const auto date = layout.dateOf(operation);
    if (layout.operationDate != CsvLayout::kNone)
        cells[kDateCol] = date ? rt::formatDateSlashed(*date) : unread(operation);
    const QString value = cellOf(row, layout.valueDate);
    if (value.isEmpty()) {
        cells[kValueCol] = date ? cells[kDateCol] : QString();
    } else {
        const auto valueDate = layout.dateOf(value);
        cells[kValueCol] = valueDate ? rt::formatDateSlashed(*valueDate) : unread(value);
    }
    cells[kTextCol] = shown(cellOf(row, layout.description), 200);
    cells[kReferenceCol] = shown(cellOf(row, layout.reference), 60);
    QString refused;
    auto amountIn = [&](int column) {
        const QString cell = cellOf(row, column);
        const auto amount =
            CsvLayout::holdsNoAmount(cell) ? std::optional<Money>(Money()) : layout.amountOf(cell);
        if (!amount && refused.isEmpty())
            refused = unread(cell);
        return amount.value_or(Money());
    };
    if (layout.amount != CsvLayout::kNone) {
        const Money amount = amountIn(layout.amount);
        cells[kAmountCol] = refused.isEmpty() ? rt::formatAmount(amount) : refused;
    } else if (layout.debit != CsvLayout::kNone || layout.credit != CsvLayout::kNone) {
        const Money amount = magnitude(amountIn(layout.credit)) - magnitude(amountIn(layout.debit));
        cells[kAmountCol] = refused.isEmpty() ? rt::formatAmount(amount) : refused;
    }
    const QString balance = cellOf(row, layout.balance);
    if (!CsvLayout::holdsNoAmount(balance)) {
        const auto read = layout.amountOf(balance);
        cells[kBalanceCol] = read ? rt::formatAmount(*read) : unread(balance);
    }
    return cells;
}

} // namespace

std::optional<CsvLayout> FrmFormatoCsv::ask(const QByteArray& bytes, const CsvLayout& guessed,
                                            const QString& fileName) {
    FrmFormatoCsv screen(bytes, guessed, fileName);
    Screen::runModal(&screen);
    return screen.accepted_;
}

FrmFormatoCsv::FrmFormatoCsv(const QByteArray& bytes, const CsvLayout& guessed,
                             const QString& fileName)
    : bytes_(bytes), guessed_(guessed), fileName_(fileName) {
    setCaption(QString()); // the banner carries the title
    setKeyPreview(true);
    buildControls();
}

FrmFormatoCsv::~FrmFormatoCsv() = default;

void FrmFormatoCsv::buildControls() {
    resize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    Label1_ = TitleBanner::heading(tr("FORMATO DEL ARCHIVO CSV"), this);
    lbArchivo_ = named(new QLabel(this), "lbArchivo");
    lbArchivo_->setContentsMargins(8, 0, 8, 0);
    lbArchivo_->setTextFormat(Qt::PlainText);
    lbArchivo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // Each control under its caption, which names it for the keyboard and a screen reader.
    auto place = [](QGroupBox* group, QGridLayout* grid, int at, int perRow, const QString& caption,
                    QWidget* control) {
        auto* label = new QLabel(caption, group);
        labelFor(label, control);
        grid->addWidget(label, 2 * (at / perRow), at % perRow);
        grid->addWidget(control, 2 * (at / perRow) + 1, at % perRow);
    };
    auto* format = new QGroupBox(tr("Formato"), this);
    auto* formatGrid = new QGridLayout(format);
    cboSeparador_ = named(new QComboBox(format), "cboSeparador");
    cboSeparador_->addItem(tr("; (punto y coma)"), int(';'));
    cboSeparador_->addItem(tr(", (coma)"), int(','));
    cboSeparador_->addItem(tr("TAB (tabulador)"), int('\t'));
    cboSeparador_->addItem(tr("| (barra)"), int('|'));
    cboDecimal_ = named(new QComboBox(format), "cboDecimal");
    cboDecimal_->addItem(tr(", (coma)"), int(u','));
    cboDecimal_->addItem(tr(". (punto)"), int(u'.'));
    cboFecha_ = named(new QComboBox(format), "cboFecha");
    for (const QString& dateFormat : CsvLayout::dateFormats())
        cboFecha_->addItem(spanishDateFormat(dateFormat), dateFormat);
    txtSaltar_ = named(new QLineEdit(format), "txtSaltar");
    txtSaltar_->setMaxLength(2);
    txtSaltar_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}")), txtSaltar_));
    txtSaltar_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cboCodificacion_ = named(new QComboBox(format), "cboCodificacion");
    cboCodificacion_->addItem(QStringLiteral("UTF-8"), int(CsvLayout::Encoding::Utf8));
    cboCodificacion_->addItem(QStringLiteral("Windows-1252"),
                              int(CsvLayout::Encoding::Windows1252));
    place(format, formatGrid, 0, 5, tr("Separador:"), cboSeparador_);
    place(format, formatGrid, 1, 5, tr("Decimales:"), cboDecimal_);
    place(format, formatGrid, 2, 5, tr("Formato de fecha:"), cboFecha_);
    place(format, formatGrid, 3, 5, tr("Filas antes del primer movimiento:"), txtSaltar_);
    place(format, formatGrid, 4, 5, tr("Codificación:"), cboCodificacion_);
    for (int c = 0; c < 5; ++c)
        formatGrid->setColumnStretch(c, 1);

    auto* columns = new QGroupBox(tr("Columnas del archivo"), this);
    auto* columnsGrid = new QGridLayout(columns);
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        columns_[k] = named(new QComboBox(columns), kColumnChoosers[k].name);
        place(columns, columnsGrid, int(k), 4, tr(kColumnChoosers[k].caption), columns_[k]);
    }

    cmdAceptar_ = named(new QPushButton(tr("Aceptar"), this), "cmdAceptar");
    cmdAceptar_->setAutoDefault(false);
    connect(cmdAceptar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { cmdAceptar_Click(); }); });

    lbProblema_ = named(new QLabel(this), "lbProblema");
    lbProblema_->setContentsMargins(8, 0, 8, 0);
    lbProblema_->setTextFormat(Qt::PlainText);
    lbProblema_->setWordWrap(true);
    lbProblema_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette red = lbProblema_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lbProblema_->setPalette(red);

    grdMuestra_ = named(new FlexGrid(this), "grdMuestra");
    grdMuestra_->setAccessibleName(tr("Primeros movimientos como se leen"));
    grdMuestra_->setCols(kColumns);
    const QString headers[] = {tr("FECHA"),      tr("F. VALOR"), tr("DESCRIPCIÓN"),
                               tr("REFERENCIA"), tr("IMPORTE"),  tr("SALDO")};
    const int widths[] = {1100, 1100, 4300, 1800, 1400, 1400};
    for (int c = 0; c < kColumns; ++c) {
        grdMuestra_->setTextMatrix(0, c, headers[c]);
        grdMuestra_->setColWidth(c, widths[c]);
    }
    grdMuestra_->setColAlignment(kAmountCol, FlexGrid::RightCenter);
    grdMuestra_->setColAlignment(kBalanceCol, FlexGrid::RightCenter);

    StBar_ = named(new PanelStatusBar(1, this), "StBar");
    StBar_->setPanelText(1, tr("ENTER [Siguiente] - ESC [Salir]"));

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 8, 0);
    bottom->addWidget(lbProblema_, 1);
    bottom->addWidget(cmdAceptar_);
    layout->addWidget(Label1_);
    layout->addWidget(lbArchivo_);
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(8, 0, 8, 0);
    choices->addWidget(format);
    choices->addWidget(columns);
    layout->addLayout(choices);
    layout->addLayout(bottom);
    layout->addWidget(grdMuestra_, 1);
    layout->addWidget(StBar_);

    enterOrder_ = {cboSeparador_, cboDecimal_, cboFecha_, txtSaltar_, cboCodificacion_};
    enterOrder_.insert(enterOrder_.end(), columns_.begin(), columns_.end());
    enterOrder_.push_back(cmdAceptar_);
    enterOrder_.push_back(grdMuestra_);
    for (std::size_t k = 1; k < enterOrder_.size(); ++k)
        QWidget::setTabOrder(enterOrder_[k - 1], enterOrder_[k]);
    enterOrder_.pop_back(); // the grid is only read: ENTER there goes on to the button

    // The separator, the encoding and the rows skipped decide which row names the columns.
    for (QComboBox* list : {cboSeparador_, cboCodificacion_})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { guardEvent([&] { choiceChanged(list, true); }); });
    for (QComboBox* list : {cboDecimal_, cboFecha_})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { guardEvent([&] { choiceChanged(list, false); }); });
    for (QComboBox* list : columns_)
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { guardEvent([&] { choiceChanged(list, false); }); });
    connect(txtSaltar_, &QLineEdit::textEdited, this,
            [this] { guardEvent([&] { choiceChanged(txtSaltar_, true); }); });
}

void FrmFormatoCsv::Form_Load() {
    saltarLink_ = std::make_unique<ClCntrl>();
    saltarLink_->sLinkText(txtSaltar_);
    lbArchivo_->setText(tr("Archivo: %1").arg(fileName_));
    showGuess();
    cboSeparador_->setFocus();
}

void FrmFormatoCsv::showGuess() {
    const CsvLayout& g = guessed_;
    {
        // Filled, not chosen by the person: nothing to answer until all of it is there.
        const QSignalBlocker separator(cboSeparador_), decimal(cboDecimal_), date(cboFecha_),
            encoding(cboCodificacion_);
        choose(cboSeparador_, int(g.separator), QString(QChar::fromLatin1(g.separator)));
        choose(cboDecimal_, int(g.decimal.unicode()), QString(g.decimal));
        choose(cboFecha_, g.dateFormat, spanishDateFormat(g.dateFormat));
        choose(cboCodificacion_, int(g.encoding), QString());
    }
    txtSaltar_->setText(QString::number(std::clamp(g.skipRows, 0, 99)));
    // A stored layout may name a column the first rows lack: it is offered all the same.
    int highest = CsvLayout::kNone;
    for (const ColumnChooser& chooser : kColumnChoosers)
        highest = std::max(highest, g.*chooser.column);
    listColumns(g, std::min(highest + 1, kMostColumns));
    showPreview();
}

CsvLayout FrmFormatoCsv::chosenLayout() const {
    CsvLayout layout;
    layout.separator = char(cboSeparador_->currentData().toInt());
    layout.decimal = QChar(char16_t(cboDecimal_->currentData().toInt()));
    layout.dateFormat = cboFecha_->currentData().toString();
    layout.skipRows = txtSaltar_->text().toInt(); // left empty: none
    layout.encoding = CsvLayout::Encoding(cboCodificacion_->currentData().toInt());
    for (std::size_t k = 0; k < columns_.size(); ++k)
        layout.*kColumnChoosers[k].column = columns_[k]->currentData().toInt();
    return layout;
}

void FrmFormatoCsv::listColumns(const CsvLayout& choices, int atLeast) {
    const CsvLayout layout = chosenLayout();
    const QList<QStringList> rows = layout.firstRows(bytes_, layout.skipRows + kPreviewRows);
    // The names are in the last row before the movements; the titles above it do not count.
    const QStringList names = layout.skipRows > 0 ? rows.value(layout.skipRows - 1) : QStringList();
    int count = atLeast;
    for (int r = std::max(0, layout.skipRows - 1); r < rows.size(); ++r)
        count = std::max(count, int(rows[r].size()));
    count = std::min(count, kMostColumns);
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        QComboBox* list = columns_[k];
        const int chosen = choices.*kColumnChoosers[k].column;
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItem(tr("(ninguna)"), CsvLayout::kNone);
        for (int c = 0; c < count; ++c) {
            const QString name = shown(names.value(c), 40);
            list->addItem(
                name.isEmpty() ? QString::number(c + 1) : tr("%1: %2").arg(c + 1).arg(name), c);
        }
        list->setCurrentIndex(chosen >= 0 && chosen < count ? chosen + 1 : 0);
    }
}

void FrmFormatoCsv::choiceChanged(QWidget* control, bool relist) {
    lastChanged_ = control;
    if (relist)
        listColumns(chosenLayout(), 0);
    showPreview();
}

void FrmFormatoCsv::showPreview() {
    const CsvLayout layout = chosenLayout();
    // Some rows more than are shown, for the blank ones between the movements.
    const QList<QStringList> rows = layout.firstRows(bytes_, layout.skipRows + 4 * kPreviewRows);
    QList<QStringList> movements;
    for (int r = layout.skipRows; r < rows.size() && movements.size() < kPreviewRows; ++r)
        if (!CsvLayout::isBlankRow(rows[r]))
            movements << previewRow(layout, rows[r]);
    grdMuestra_->setRows(1);
    grdMuestra_->setRows(int(movements.size()) + 1);
    // Cell by cell: a text holding a tab stays in its own column.
    for (int r = 0; r < movements.size(); ++r)
        for (int c = 0; c < kColumns; ++c)
            grdMuestra_->setTextMatrix(r + 1, c, movements[r][c]);
    lbProblema_->setText(refusalOf(layout));
}

QString FrmFormatoCsv::refusalOf(const CsvLayout& layout) const {
    BusyPointer busy;
    try {
        // The account is the reader's to name the statement with; nothing here keeps it.
        const StatementFile file = CsvStatementReader::read(bytes_, layout, QStringLiteral("CSV"));
        return file.isRefused() ? file.refusal->message : QString();
    } catch (const RuntimeError& error) {
        return error.description();
    }
}

void FrmFormatoCsv::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape) {
        keyCode = 0;
        GP_DESCARGAR(*this);
        return;
    }
    if (keyCode != vk::Return)
        return;
    // ENTER on the button is left to press it; from the grid it goes back to the button.
    QWidget* focus = QApplication::focusWidget();
    const auto at = std::find(enterOrder_.begin(), enterOrder_.end(), focus);
    if (focus == grdMuestra_) {
        cmdAceptar_->setFocus(Qt::TabFocusReason);
        keyCode = 0;
    } else if (at != enterOrder_.end() && *at != cmdAceptar_) {
        (*std::next(at))->setFocus(Qt::TabFocusReason);
        keyCode = 0;
    }
}

void FrmFormatoCsv::cmdAceptar_Click() {
    // What was chosen stays as it is: the person mends the one choice the message names.
    auto refuse = [](QWidget* control, const QString& message) {
        MsgBox(message, MsgIcon::Exclamation);
        control->setFocus(Qt::OtherFocusReason);
    };
    const CsvLayout layout = chosenLayout();
    if (layout.operationDate == CsvLayout::kNone)
        return refuse(columns_[kOperation], tr("Debe elegir la columna de la FECHA"));
    // A debit column alone would read every credit as nothing, and the other way round.
    if (layout.amount == CsvLayout::kNone &&
        (layout.debit == CsvLayout::kNone || layout.credit == CsvLayout::kNone)) {
        QWidget* concerned = columns_[kAmount];
        if (layout.debit != CsvLayout::kNone)
            concerned = columns_[kCredit];
        else if (layout.credit != CsvLayout::kNone)
            concerned = columns_[kDebit];
        return refuse(concerned,
                      tr("Debe elegir la columna del IMPORTE, o las del DEBE y el HABER"));
    }
    const QString refusal = refusalOf(layout);
    if (!refusal.isEmpty()) {
        lbProblema_->setText(refusal);
        // The choice changed last is the likeliest to have spoiled the reading; when the guess
        // itself does not read, the person starts again from the first.
        return refuse(lastChanged_ ? lastChanged_ : cboSeparador_, refusal);
    }
    accepted_ = layout;
    GP_DESCARGAR(*this);
}

} // namespace ledgora
