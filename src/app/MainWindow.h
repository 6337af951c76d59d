#pragma once

#include <QWidget>

namespace parvela::platform {
class MessageListener;
}

namespace parvela::app {

class CatalogData;

// The program's one top-level window. Other programs of the suite reach it by
// its title.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Parvela_Yonetim";

    explicit MainWindow(const CatalogData& catalog, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Takes messages from other programs while the window lives.
    void listenForMessages();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const CatalogData& m_catalog;
    platform::MessageListener* m_listener = nullptr;
};

} // namespace parvela::app
