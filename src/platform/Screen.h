#pragma once

#include <QDialog>
#include <functional>

namespace ledgora {

// A screen of the module, with the life of the desktop forms it was designed as: it is
// loaded once before it first shows (Form_Load), told each time it becomes the active window
// (Form_Activate), sees every key before its controls when key preview is on (Form_KeyDown,
// which may swallow the key by setting the code to 0), is told of each resize (Form_Resize),
// and runs Form_Unload when it is closed. It is always shown modally.
class Screen : public QDialog {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);
    ~Screen() override;

    // The caption in the title bar, exactly as given; empty leaves the bar blank.
    void setCaption(const QString& caption);

    // Loads the screen if it is not loaded, then shows it modally until it closes.
    // The screen may delete itself on the way out when it was released while shown.
    static void runModal(Screen* screen);

    // Runs Form_Load if the screen is not loaded yet.
    void load();
    // Closes the screen: Form_Unload runs, the modal loop ends and whoever holds the screen
    // is told to let it go.
    void unload();
    bool isLoaded() const { return loaded_; }

    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }

    // Called when the screen is unloaded, so that its holder clears its reference.
    void setReleaseHook(std::function<void()> hook) { releaseHook_ = std::move(hook); }
    // Marks a released screen to be deleted as soon as its modal loop has ended.
    void deleteAfterModal();
    bool inModalLoop() const { return inModal_; }

    // What the key preview hands over; public so the application-wide filter can reach it.
    void previewKeyDown(int& keyCode, int shift) { Form_KeyDown(keyCode, shift); }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int& keyCode, int shift);
    virtual void Form_Resize() {}

    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool loaded_ = false;
    bool keyPreview_ = false;
    bool inModal_ = false;
    bool activatedSinceLoad_ = false;
    bool deleteAfterModal_ = false;
    std::function<void()> releaseHook_;
};

// Closes a screen and releases it; its next use creates it anew.
inline void GP_DESCARGAR(Screen& screen) {
    screen.unload();
}

} // namespace ledgora
