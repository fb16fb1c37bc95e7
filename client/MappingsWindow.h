#pragma once
// "Mapeamentos entre Filiais": the mappings kept for a pair of branches (origin, destination),
// which the next load of a file from that origin proposes first. The user chooses the two
// branches, sees the kept services, diets and dish types on three tabs, gives a row another
// destination picked from the destination branch's own services, diets or dish types (a dish
// type may also be left unmarked), maps a new origin service, and removes a row. This is where
// a service whose names differ in the two branches gets its destination.
//
// Calls go to the application server through a connection of the session, as the screens'
// calls do; a refusal is shown in the host's error box with the server's words. Keys: Tab moves
// through branches, tabs, list and buttons; Enter on a row changes its destination; Delete
// removes it; Escape closes the window.
#include "Variant.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TNetConnection;

class MappingsWindow : public QDialog {
public:
    explicit MappingsWindow(QWidget* parent);
    ~MappingsWindow() override;

    // Shows the window over `parent`, opening it the first time.
    static MappingsWindow* Open(QWidget* parent);

private:
    enum Tab { kServices, kDiets, kDishTypes };

    void FillBranches();
    void Refresh();
    void ChangeDestination();
    void MapService();
    void RemoveCurrent();
    void keyPressEvent(QKeyEvent* event) override;

    // The answer's payload, or none after showing the refusal.
    std::optional<Variant> Call(const std::string& method, const Variant::Array& args);
    // The code the user picks from a packet of (code, name) rows, or none.
    std::optional<std::string> Choose(const Variant& packet, const std::string& title, bool offerUnmarked);
    std::string Branch(const QComboBox& box) const;
    // The destination service the origin service is kept for ("" when none).
    std::string DestinationServiceOf(const std::string& originService) const;
    // The current row of the current tab's packet, or -1.
    int CurrentRow() const;
    std::string Cell(int tab, int row, const char* field) const;

    std::unique_ptr<TNetConnection> connection_;
    QComboBox* origin_;
    QComboBox* destination_;
    QTabWidget* tabs_;
    QTableWidget* tables_[3];
    QPushButton* change_;
    QPushButton* remove_;
    Variant kept_;  // [services, diets, dish types] as the server listed them
};
