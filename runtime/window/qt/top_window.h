#pragma once
// A numbered top-level window of the program: a QMainWindow whose central widget is the client
// area the program asked for. The close box does not close it; it reports a close request and
// leaves the decision to the program.

#include <QMainWindow>

#include <cstdint>

namespace tarvok {

class TopWindow : public QMainWindow {
public:
    TopWindow(int32_t number, int32_t client_width, int32_t client_height, bool fixed_size);

    int32_t number() const { return number_; }
    QWidget* client() const { return client_; }

    // Keeps the client area at its size after the menu bar came or changed.
    void fit_client();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int32_t number_;
    QWidget* client_;  // owned by this window
    bool fixed_size_;
    int32_t client_width_;
    int32_t client_height_;
};

}  // namespace tarvok
