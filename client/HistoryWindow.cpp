#include "HistoryWindow.h"

#include "HistoryReport.h"
#include "ImportHistoryCalls.h"
#include "TNetConnection.h"

#include "DataPacket.h"
#include "FormatSettings.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
TDateTime Day(const QDate& date) { return EncodeDate(date.year(), date.month(), date.day()); }
QString Shown(const Variant& day) { return Q(DateToStr(day.AsDate())); }

// [ok, message, payload] of a call, for the user: the message of a failure.
bool Ok(const Variant& answer, QString& message) {
    const bool ok = answer.Type() == VarType::Array && answer.ArrayLength() == 3 && answer[0].AsBoolean();
    message = ok ? QString() : Q(answer.ArrayLength() > 1 ? answer[1].AsString() : "Resposta inválida do servidor.");
    return ok;
}

QTableWidgetItem* Item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidgetItem* Number(int64_t value) {
    auto* item = Item({});
    item->setData(Qt::DisplayRole, static_cast<qlonglong>(value));
    return item;
}

}  // namespace

HistoryWindow::HistoryWindow(const std::string& branch, std::string operatorCode, QWidget* parent)
    : QWidget(parent),
      operatorCode_(std::move(operatorCode)),
      branch_(new QLineEdit(Q(branch), this)),
      from_(new QDateEdit(QDate::currentDate().addYears(-2), this)),
      to_(new QDateEdit(QDate::currentDate().addYears(1), this)),
      list_(new QTableWidget(0, 9, this)),
      detail_(new QPlainTextEdit(this)),
      undo_(new QPushButton("&Desfazer", this)) {
    setWindowTitle("Histórico de Importações");
    setObjectName("historyWindow");
    branch_->setObjectName("historyBranch");
    branch_->setMaxLength(4);
    branch_->setMaximumWidth(70);
    branch_->setPlaceholderText("todas");
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat("dd/MM/yyyy");
    }
    auto* search = new QPushButton("&Pesquisar", this);
    auto* filter = new QHBoxLayout;
    const std::pair<const char*, QWidget*> fields[] = {{"&Filial:", branch_}, {"D&e:", from_}, {"&Até:", to_}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        filter->addWidget(label);
        filter->addWidget(field);
    }
    filter->addWidget(search);
    filter->addStretch();

    list_->setObjectName("historyList");
    list_->setHorizontalHeaderLabels(
        {"Nº", "Data e hora", "Filial", "Origem", "Início", "Fim", "Resultado", "Gravadas", "Arquivo"});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setSortingEnabled(true);
    detail_->setObjectName("historyDetail");
    detail_->setReadOnly(true);
    undo_->setObjectName("historyUndo");
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(list_);
    split->addWidget(detail_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(split, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(undo_);
    layout->addLayout(buttons);

    connect(search, &QPushButton::clicked, this, [this] { Search(); });
    connect(branch_, &QLineEdit::returnPressed, this, [this] { Search(); });
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] { ShowDetail(); });
    connect(undo_, &QPushButton::clicked, this, [this] { Undo(); });
    Search();
}

void HistoryWindow::Search() {
    const Variant answer = ImportHistoryCalls::Call(
        "GetHistorico", {branch_->text().trimmed().toStdString(), Day(from_->date()), Day(to_->date())});
    QString message;
    list_->setSortingEnabled(false);
    list_->setRowCount(0);
    if (!Ok(answer, message)) {
        detail_->setPlainText(message);
        return;
    }
    const DataPacket& attempts = answer[2].AsPacket();
    list_->setRowCount(static_cast<int>(attempts.Rows.size()));
    for (size_t row = 0; row < attempts.Rows.size(); ++row) {
        const int r = static_cast<int>(row);
        auto text = [&](const char* field) { return Q(attempts.Value(row, field).AsString()); };
        list_->setItem(r, 0, Number(attempts.Value(row, "NRHISTORICO").AsInteger()));
        list_->setItem(r, 1, Item(text("DTHRIMPORT")));
        list_->setItem(r, 2, Item(text("CDFILIAL")));
        list_->setItem(r, 3, Item(text("CDFILIORIG")));
        list_->setItem(r, 4, Item(Shown(attempts.Value(row, "DTINICIO"))));
        list_->setItem(r, 5, Item(Shown(attempts.Value(row, "DTFIM"))));
        list_->setItem(r, 6, Item(Q(appserver::HistoryReport::Outcome(attempts, row))));
        list_->setItem(r, 7, Number(attempts.Value(row, "QTGRAVADAS").AsInteger()));
        list_->setItem(r, 8, Item(text("NMARQUIVO")));
    }
    list_->setSortingEnabled(true);
    list_->sortByColumn(0, Qt::DescendingOrder);
    list_->resizeColumnsToContents();
    if (list_->rowCount() > 0) list_->selectRow(0);
    else detail_->setPlainText("Nenhuma importação no período.");
    ShowDetail();
}

int64_t HistoryWindow::Selected() const {
    const auto rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : list_->item(rows.first().row(), 0)->data(Qt::DisplayRole).toLongLong();
}

void HistoryWindow::ShowDetail() {
    const int64_t id = Selected();
    undo_->setEnabled(false);
    if (id == 0) return;
    const Variant answer = ImportHistoryCalls::Call("GetHistoricoDetalhe", {id});
    QString message;
    if (!Ok(answer, message)) {
        detail_->setPlainText(message);
        return;
    }
    QStringList lines;
    for (const auto& line : appserver::HistoryReport::Detail(answer[2])) lines << Q(line);
    detail_->setPlainText(lines.join('\n'));
    const DataPacket& attempt = answer[2][0].AsPacket();
    undo_->setEnabled(attempt.Value(0, "IDDESFAZIVEL").AsString() == "S");
}

void HistoryWindow::Undo() {
    const int64_t id = Selected();
    if (id == 0) return;
    if (QMessageBox::question(this, "Desfazer importação",
                              QString("Desfazer a importação %1? Os cardápios que ela gravou serão removidos e os que "
                                      "ela substituiu, restaurados.")
                                  .arg(id),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const Variant answer = ImportHistoryCalls::Call("DesfazImportacao", {id, operatorCode_});
    QString message;
    if (Ok(answer, message)) QMessageBox::information(this, "Desfazer importação", Q(answer[2].AsString()));
    else QMessageBox::warning(this, "Desfazer importação", message);
    Search();
}

void HistoryWindow::FollowImports(QStatusBar& bar) {
    auto* label = new QLabel(&bar);
    label->setObjectName("lastImportLabel");
    bar.addWidget(label, 1);
    QObject::connect(&bar, &QObject::destroyed, [] { TNetConnection::AfterCall = nullptr; });
    TNetConnection::AfterCall = [label](const std::string& method, const Variant::Array& args) {
        // An import carries three packets; a load three Nulls.
        if (method != "ImportaCardapio" || args.size() != 6 || !args[3].IsPacket()) return;
        QTimer::singleShot(0, label, [label, branch = args[2].AsString()] {
            const Variant detail = ImportHistoryCalls::DetailAfter(branch, 0);
            if (detail.IsNull()) return;
            const DataPacket& attempt = detail[0].AsPacket();
            QString text = Q("Importação " + std::to_string(attempt.Value(0, "NRHISTORICO").AsInteger()) + " " +
                             appserver::HistoryReport::Outcome(attempt, 0) + ": ");
            if (attempt.Value(0, "IDRESULTADO").AsString() == "G") {
                text += Q(appserver::HistoryReport::Counts(attempt, 0));
            } else {
                QStringList reasons;
                for (const auto& reason : appserver::HistoryReport::Texts(detail, "R")) reasons << Q(reason);
                text += reasons.join(" | ");
            }
            label->setText(text);
            label->setToolTip(text);
        });
    };
}
