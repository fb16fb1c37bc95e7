#include "StartDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

// The server inside the client itself: the options call it "embedded", the dialog leaves the
// field blank.
constexpr const char* kEmbedded = "embedded";

QLineEdit* Field(const char* name, const std::string& value, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(value), parent);
    field->setObjectName(name);
    return field;
}

}  // namespace

StartDialog::StartDialog(const ClientOptions& options, QWidget* parent)
    : QDialog(parent),
      options_(options),
      operator_(Field("operator", options.operatorCode, this)),
      branch_(Field("branch", options.branch, this)),
      mode_(new QComboBox(this)),
      acronym_(Field("acronym", options.moduleAcronym, this)),
      server_(Field("server", options.server == kEmbedded ? std::string() : options.server, this)),
      token_(Field("token", options.token, this)),
      database_(Field("database", options.database.string(), this)) {
    setWindowTitle("Entrar");
    setMinimumWidth(400);  // the hints of the blank fields show whole
    branch_->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,4}"), branch_));
    mode_->addItems({"Matriz", "Filial"});
    mode_->setCurrentIndex(options.branchMode ? 1 : 0);
    token_->setEchoMode(QLineEdit::Password);
    server_->setPlaceholderText("interno (neste computador)");
    database_->setPlaceholderText("empresa de demonstração");
    auto* form = new QFormLayout(this);
    form->addRow("Operador", operator_);
    form->addRow("Filial", branch_);
    form->addRow("Modo", mode_);
    form->addRow("Sigla do módulo", acronym_);
    form->addRow("Servidor", server_);
    form->addRow("Token", token_);
    form->addRow("Banco de dados", database_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancelar");
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &StartDialog::Check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void StartDialog::Check() {
    if (branch_->text().size() != 4) {
        QMessageBox::warning(this, windowTitle(), "Informe a filial com quatro dígitos.");
        return;
    }
    const QString server = server_->text().trimmed();
    if (!server.isEmpty() && server != kEmbedded && !server.startsWith("http://")) {
        QMessageBox::warning(this, windowTitle(), "Servidor: em branco para o interno, ou http://endereço:porta.");
        return;
    }
    accept();
}

ClientOptions StartDialog::Options() const {
    ClientOptions options = options_;
    options.operatorCode = operator_->text().trimmed().toStdString();
    options.branch = branch_->text().toStdString();
    options.branchMode = mode_->currentIndex() == 1;
    options.moduleAcronym = acronym_->text().trimmed().toStdString();
    options.server = server_->text().trimmed().isEmpty() ? kEmbedded : server_->text().trimmed().toStdString();
    options.token = token_->text().toStdString();
    options.database = database_->text().trimmed().toStdString();
    return options;
}
