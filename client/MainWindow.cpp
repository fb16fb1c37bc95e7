#include "MainWindow.h"

#include "ClientHost.h"
#include "MappingsWindow.h"
#include "HistoryWindow.h"
#include "ProductIcon.h"
#include "ScreenWindow.h"

#include "TApplication.h"
#include "TForm.h"
#include "TScreen.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

MainWindow::MainWindow(ClientHost& host) : host_(host), area_(new QMdiArea(this)) {
    setWindowTitle("Cardápios");
    setWindowIcon(ProductIcon::Icon());
    setCentralWidget(area_);
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    resize(1000, 640);
    BuildMenu();
    ShowSession();
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::Activated);
}

// The area goes with the window's base and announces its last deactivation then, when this
// window is no longer one to receive it.
MainWindow::~MainWindow() { disconnect(area_, nullptr, this, nullptr); }

void MainWindow::BuildMenu() {
    QMenu* menu = menuBar()->addMenu("&Cardápios");
    QAction* import = menu->addAction("&Integração de Cardápios - Importação");
    import->setObjectName("importScreenAction");
    connect(import, &QAction::triggered, this, [this] { OpenImportScreen(); });
    QAction* exportScreen = menu->addAction("Integração de Cardápios - &Exportação");
    exportScreen->setObjectName("exportScreenAction");
    connect(exportScreen, &QAction::triggered, this, [this] { OpenExportScreen(); });
    connect(menu->addAction("&Mapeamentos entre Filiais"), &QAction::triggered, this, [this] { MappingsWindow::Open(this); });
    connect(menu->addAction("&Histórico de Importações"), &QAction::triggered, this, [this] { OpenHistory(); });
    menu->addSeparator();
    connect(menu->addAction("Sai&r"), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::ShowSession() {
    const ClientOptions& options = host_.Options();
    const QString server = options.server == "embedded" ? "interno" : QString::fromStdString(options.server);
    QString text = QString("Operador: %1   Filial: %2   Modo: %3   Servidor: %4")
                       .arg(QString::fromStdString(options.operatorCode), QString::fromStdString(options.branch),
                            options.branchMode ? "Filial" : "Matriz", server);
    auto* session = new QLabel(text, this);
    session->setObjectName("sessionLabel");
    statusBar()->addWidget(session);
    HistoryWindow::FollowImports(*statusBar());
}

// A window of its own beside the main one: the screen's frame keeps the front of the MDI area.
void MainWindow::OpenHistory() {
    auto* window = new HistoryWindow(host_.Options().branch, host_.Options().operatorCode, this);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(900, 560);
    window->show();
    window->activateWindow();
}

ScreenWindow* MainWindow::WindowOf(const TForm* form) const {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (auto* window = dynamic_cast<ScreenWindow*>(sub->widget()); window && window->Form() == form) return window;
    return nullptr;
}

ScreenWindow* MainWindow::OpenImportScreen() { return ShowScreen(host_.OpenImportScreen()); }

ScreenWindow* MainWindow::OpenExportScreen() { return ShowScreen(host_.OpenExportScreen()); }

ScreenWindow* MainWindow::ShowScreen(TForm* form) {
    if (!form) return nullptr;
    ScreenWindow* window = WindowOf(form);
    if (!window) {
        window = new ScreenWindow(*form);
        QMdiSubWindow* frame = area_->addSubWindow(window, Qt::SubWindow | Qt::WindowTitleHint |
                                                               Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                                               Qt::WindowCloseButtonHint);
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        window->AttachFrame();
    }
    area_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    window->Synchronize();
    return window;
}

void MainWindow::Activated(QMdiSubWindow* sub) {
    auto* window = sub ? dynamic_cast<ScreenWindow*>(sub->widget()) : nullptr;
    TForm* form = window ? window->Form() : nullptr;
    if (!form || Screen->ActiveForm() == form) return;
    Application->Perform([form] { Screen->SetActiveForm(form); });
    window->Synchronize();
}
