#pragma once

#include "workspace/TParaLine.h"

#include <QDialog>
#include <QUrl>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QGroupBox;
class QPushButton;

namespace kelvara {

class Prompts;
class RowView;
class TF_Help;
struct Session;

// The frame every calculation window shares: the input box, the result box and the four
// buttons beside it, Enter to calculate, Esc that never closes, one way of closing, the Tab
// chain and the focus on the input a refusal is about. A window adds its model and its rows.
class CalculationFrame : public QDialog {
    Q_OBJECT
public:
    // Where the frame's boxes go: the input box across the top, below it the results and, to
    // their right, the buttons.
    struct Geometry {
        int width;
        int inputHeight;
        int resultHeight;
        int resultWidth;
    };

    ~CalculationFrame() override;

    // Opens a help document with the desktop; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

    void Button1Click();
    void Button2Click();
    void Button3Click() { Print(); }
    void Button4Click() { close(); }

protected:
    CalculationFrame(Session& session, TF_Help& help, const QString& objectName,
                     const Geometry& geometry, QWidget* parent);

    // The window's model, owned here so that it outlives the row views that point into it.
    template <typename Model> Model& Hold(Session& session, Prompts& prompts) {
        auto held = std::make_unique<Held<Model>>(session, prompts);
        Model& model = held->model;
        model_ = std::move(held);
        return model;
    }

    // The input a refusal is about; row -1 for none.
    struct Fault {
        int row = -1;
        bool choice = false;
    };

    // What a window adds to the frame.
    // Starts the model and shows its rows (ShowRows) when the window is first shown.
    virtual void ShowModel() = 0;
    // The model's calculation; false after a refusal or a failure.
    virtual bool Calculate() = 0;
    virtual Fault LastFault() const = 0;
    virtual bool PrintEnabled() const = 0;
    // The document of [HelpFiles] and the text shown when it is missing.
    virtual int HelpIndex() const = 0;
    virtual QString HelpText() const = 0;
    virtual void Print() = 0;
    // The model's close, after the row views have gone.
    virtual void CloseModel() = 0;
    // Controls of the results that are no row views, in the order Tab meets them.
    virtual std::vector<QWidget*> ResultChain() const { return {}; }

    // The places of a number of rows down a box, by the row rule, all of them below the line
    // of the box's frame under its title.
    static RowLayout LayoutOf(const QGroupBox* box, int rowCount);
    // The least top of a box's rows: below the frame line under the title `title`.
    static int RowsTop(const QGroupBox* box, const QString& title);
    // Shows rows down a box, the input rows first. The row `twoLineList` has a list two lines
    // tall that wraps its text, so that its rows take one line more.
    void ShowRows(TParas& rows, QGroupBox* box, bool results, int twoLineList = -1);
    // Inputs on the left, results on the right with the buttons in a row below them: for a
    // window of many rows that must fit a small screen. The input rows' controls move `shift`
    // pixels to the left of their design places.
    void PlaceSideBySide(int inputWidth, int inputLines, int resultWidth, int shift);
    // Enables "Drukuj" as the model says.
    void RefreshButtons();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    Session& session_;
    TF_Help& help_;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    std::vector<RowView*> rowViews_;

private:
    struct Holder {
        virtual ~Holder() = default;
    };
    template <typename Model> struct Held : Holder {
        Held(Session& session, Prompts& prompts) : model(session, prompts) {}
        Model model;
    };

    void ChainTabs();
    void FocusFault();
    void ReleaseRowViews();

    std::unique_ptr<Holder> model_;
    Geometry geometry_;
    int inputRowCount_ = 0;
    int rowShift_ = 0;
    bool shown_ = false;
    bool closed_ = false;
};

} // namespace kelvara
