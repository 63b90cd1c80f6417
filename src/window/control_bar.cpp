// The controls above the plan, wired to the session.
#include "window/control_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <set>

#include "document/startup_texts.h"
#include "model/text_encoding.h"
#include "plan/shown_cases.h"
#include "takedown/load_cases.h"
#include "window/document_session.h"
#include "window/flow_layout.h"
#include "window/member_loads_strip.h"

namespace fp {
namespace {

// Every intensity shown, none, or some.
Qt::CheckState everyIntensityState(const ListingDocument* document, const PlanView& view) {
    if (document == nullptr || document->floorIntensities.empty() ||
        view.shownIntensities.size() == document->floorIntensities.size()) {
        return Qt::Checked;
    }
    return view.shownIntensities.empty() ? Qt::Unchecked : Qt::PartiallyChecked;
}

// An option that answers a release of any mouse button over it, as the designed options did:
// the mode selected is applied again. Only the left button changes the selection, before the
// release is answered; the keyboard's choice is answered as a release is.
class ModeOption : public QRadioButton {
  public:
    ModeOption(const QString& text, std::function<void()> chosen)
        : QRadioButton(text), chosen_(std::move(chosen)) {
        connect(this, &QAbstractButton::clicked, this, [this] {
            if (!releasing_) {
                chosen_();
            }
        });
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool over = hitButton(event->position().toPoint());
        releasing_ = true;
        QRadioButton::mouseReleaseEvent(event);
        releasing_ = false;
        if (over) {
            chosen_();
        }
    }

  private:
    std::function<void()> chosen_;
    bool releasing_ = false;
};

// The row under the options: the intensity boxes in floor-load mode, the member-load values in
// member-load mode, one in place of the other. It is as high as the taller of the two needs at
// its width, so that a change of mode never changes the plan's size.
class ListRow : public QWidget {
  public:
    ListRow(QWidget* boxes, QWidget* values) : boxes_(boxes), values_(values) {
        boxes_->setParent(this);
        values_->setParent(this);
    }

    void showBoxes(bool boxes) {
        boxes_->setVisible(boxes);
        values_->setVisible(!boxes);
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return std::max(boxes_->heightForWidth(width), values_->sizeHint().height());
    }
    QSize sizeHint() const override {
        return {std::max(boxes_->sizeHint().width(), values_->sizeHint().width()),
                heightForWidth(width())};
    }
    QSize minimumSizeHint() const override {
        return {boxes_->minimumSizeHint().width(), values_->sizeHint().height()};
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        boxes_->setGeometry(rect());
        values_->setGeometry(rect());
    }

  private:
    QWidget* boxes_;
    QWidget* values_;
};

// The roles of a column-load choice's item: whether it is a combination, and its number.
constexpr int kCombinationRole = Qt::UserRole;
constexpr int kNumberRole = Qt::UserRole + 1;

ColumnLoadChoice choiceOfItem(const QComboBox& box, int index) {
    return {box.itemData(index, kCombinationRole).toBool(),
            box.itemData(index, kNumberRole).toString().toStdString()};
}

// The most bytes of a case's number and title a menu entry shows.
constexpr std::size_t kLongestCaseEntry = 80;

// A case's menu entry: "1 DEAD LOAD", an ampersand in it written as itself.
QString caseEntryText(const ListingDocument& document, const std::string& number) {
    return QString::fromStdString(utf8FromListingText(shortenedListingText(
                                      document.loadCaseText(number), kLongestCaseEntry)))
        .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void setTicked(QCheckBox* box, Qt::CheckState state) {
    const QSignalBlocker quiet(box);
    box->setCheckState(state);
}

}  // namespace

ControlBar::ControlBar(DocumentSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("controlBar"));
    memberLoadOption = new ModeOption(QStringLiteral("Member Load"), [this] { modeChosen(); });
    memberLoadOption->setObjectName(QStringLiteral("memberLoadOption"));
    floorLoadOption = new ModeOption(QStringLiteral("Floor Load"), [this] { modeChosen(); });
    floorLoadOption->setObjectName(QStringLiteral("floorLoadOption"));
    floorLoadOption->setChecked(true);
    loadTypeBox = new QCheckBox(QStringLiteral("LOAD TYPE"));
    loadTypeBox->setObjectName(QStringLiteral("loadTypeBox"));
    beamNumbersBox = new QCheckBox(QStringLiteral("Beem Nos"));
    beamNumbersBox->setObjectName(QStringLiteral("beamNumbersBox"));
    intensitiesLabel = new QLabel(QStringLiteral("FLOADS ->"));
    intensitiesLabel->setObjectName(QStringLiteral("intensitiesLabel"));
    intensitiesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    allIntensitiesBox = new QCheckBox(QStringLiteral("Chk All"));
    allIntensitiesBox->setObjectName(QStringLiteral("allIntensitiesBox"));
    memberLoads = new MemberLoadsStrip;
    columnLoadsBox = new QCheckBox(QStringLiteral("Column Loads"));
    columnLoadsBox->setObjectName(QStringLiteral("columnLoadsBox"));
    columnLoadsBox->setToolTip(
        QStringLiteral("Beside each column, the load it carries below this level, in kN "
                       "without self-weight"));
    columnLoadChoice = new QComboBox;
    columnLoadChoice->setObjectName(QStringLiteral("columnLoadChoice"));
    columnLoadChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    casesButton = new QToolButton;
    casesButton->setObjectName(QStringLiteral("casesButton"));
    casesButton->setToolTip(
        QStringLiteral("The load cases whose floor and member loads the plan writes"));
    casesButton->setPopupMode(QToolButton::InstantPopup);
    casesButton->setMenu(new QMenu(casesButton));
    connect(casesButton->menu(), &QMenu::aboutToShow, this, &ControlBar::prepareCaseMenu);

    // Two rows, as designed: the mode and its annotations, then what the mode lists (the
    // intensities to tick, or the member-load values).
    auto* modeRow = new QWidget;
    auto* modeFlow = new FlowLayout(modeRow);
    for (QWidget* control : std::initializer_list<QWidget*>{
             memberLoadOption, floorLoadOption, loadTypeBox, casesButton, columnLoadsBox,
             columnLoadChoice, beamNumbersBox}) {
        modeFlow->addWidget(control);
    }
    QSizePolicy keepsItsPlace = beamNumbersBox->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    beamNumbersBox->setSizePolicy(keepsItsPlace);
    boxesRow_ = new QWidget;
    auto* boxesFlow = new FlowLayout(boxesRow_);
    boxesFlow->addWidget(intensitiesLabel);
    boxesFlow->addWidget(allIntensitiesBox);
    listRow_ = new ListRow(boxesRow_, memberLoads);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    layout->addWidget(modeRow);
    layout->addWidget(listRow_);

    connect(loadTypeBox, &QCheckBox::clicked, this, [this](bool on) {
        session_.setLoadCaseNumbers(on);
        emit planFocusWanted();
    });
    connect(beamNumbersBox, &QCheckBox::clicked, this, [this](bool on) {
        session_.setMemberNumbers(on);
        emit planFocusWanted();
    });
    // A click ticks every box unless every one is ticked already, which it clears.
    connect(allIntensitiesBox, &QCheckBox::clicked, this, [this] {
        session_.setEveryIntensityShown(everyIntensityState(session_.document(), session_.view()) !=
                                        Qt::Checked);
        emit planFocusWanted();
    });
    connect(columnLoadsBox, &QCheckBox::clicked, this, &ControlBar::columnLoadsChosen);
    connect(columnLoadChoice, &QComboBox::activated, this, &ControlBar::columnLoadsChosen);
    connect(&session_, &DocumentSession::documentChanged, this, &ControlBar::buildIntensityBoxes);
    connect(&session_, &DocumentSession::documentChanged, this,
            &ControlBar::buildColumnLoadChoices);
    // The entries are made as the menu first opens: a listing may have thousands of cases.
    connect(&session_, &DocumentSession::documentChanged, casesButton->menu(), &QMenu::clear);
    connect(&session_, &DocumentSession::viewChanged, this, &ControlBar::showView);
    showView();
}

void ControlBar::modeChosen() {
    session_.setMode(memberLoadOption->isChecked() ? LoadMode::Member : LoadMode::Floor);
    // An arrow key leaves the focus on the option it chose once its click is over; the plan
    // takes it back after that, as after a click.
    QMetaObject::invokeMethod(this, &ControlBar::planFocusWanted, Qt::QueuedConnection);
}

void ControlBar::columnLoadsChosen() {
    const int index = columnLoadChoice->currentIndex();
    if (columnLoadsBox->isChecked() && index >= 0) {
        session_.setColumnLoads(choiceOfItem(*columnLoadChoice, index));
    } else {
        session_.setColumnLoads(std::nullopt);
    }
    emit planFocusWanted();
}

void ControlBar::buildColumnLoadChoices() {
    const QSignalBlocker quiet(columnLoadChoice);
    columnLoadChoice->clear();
    const ListingDocument& document = *session_.document();
    const LoadCases cases = loadCasesOf(document);
    for (const LoadChoice& choice : cases.everyChoice()) {
        const bool combination = choice.kind == LoadChoice::Kind::Combination;
        const std::string& number =
            combination ? cases.combinations[choice.index].number : cases.cases[choice.index];
        columnLoadChoice->addItem(QString::fromStdString(choiceName(document, cases, choice)));
        const int item = columnLoadChoice->count() - 1;
        columnLoadChoice->setItemData(item, combination, kCombinationRole);
        columnLoadChoice->setItemData(item, QString::fromStdString(number), kNumberRole);
    }
    showView();
}

void ControlBar::prepareCaseMenu() {
    QMenu& menu = *casesButton->menu();
    const ListingDocument* document = session_.document();
    if (menu.isEmpty() && document != nullptr) {
        QAction* all = menu.addAction(QStringLiteral("&All cases"));
        all->setCheckable(true);
        connect(all, &QAction::triggered, this, [this] {
            session_.setShownCases({});
            emit planFocusWanted();
        });
        menu.addSeparator();
        int entries = 0;
        for (const LoadCase& loadCase : document->loadCases) {
            // A title's own "&" is written, not taken as a mnemonic; the first nine entries are
            // reached by their first character, as they are listed.
            QString text = caseEntryText(*document, loadCase.number);
            text.replace(QLatin1Char('&'), QStringLiteral("&&"));
            QAction* entry = menu.addAction(++entries <= 9 ? QLatin1Char('&') + text : text);
            entry->setCheckable(true);
            entry->setData(QByteArray::fromStdString(loadCase.number));
            connect(entry, &QAction::triggered, this,
                    [this, number = loadCase.number.text()] { caseChosen(number); });
        }
    }
    const PlanView& view = session_.view();
    const std::set<std::string> shown(view.shownCases.begin(), view.shownCases.end());
    for (QAction* entry : menu.actions()) {
        if (!entry->isCheckable()) {
            continue;
        }
        // A case's entry holds its number, as the listing's bytes; "All cases" holds nothing.
        entry->setChecked(
            shown.empty() ||
            (entry->data().isValid() && shown.contains(entry->data().toByteArray().toStdString())));
    }
}

void ControlBar::caseChosen(const std::string& number) {
    const ListingDocument* document = session_.document();
    if (document == nullptr) {
        return;
    }
    const bool shown = !session_.view().showsCase(number);
    std::vector<std::string> cases = session_.view().shownCases;
    if (cases.empty()) {
        for (const LoadCase& loadCase : document->loadCases) {
            cases.push_back(loadCase.number);
        }
    }
    std::erase(cases, number);
    if (shown) {
        cases.push_back(number);
    }
    session_.setShownCases(cases);
    emit planFocusWanted();
}

void ControlBar::buildIntensityBoxes() {
    for (QCheckBox* box : intensityBoxes) {
        delete box;
    }
    intensityBoxes.clear();
    const ListingDocument& document = *session_.document();
    const char separator = session_.view().decimalSeparator;
    const std::vector<std::string> captions = intensityCaptions(document, separator);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(QString::fromStdString(captions[i]));
        box->setObjectName(QStringLiteral("intensityBox%1").arg(i + 1));
        const float intensity = document.floorIntensities[i];
        connect(box, &QCheckBox::clicked, this, [this, intensity](bool on) {
            session_.setIntensityShown(intensity, on);
            emit planFocusWanted();
        });
        boxesRow_->layout()->addWidget(box);
        intensityBoxes.push_back(box);
    }
    // The values are listed in full; the label is as wide as they need.
    memberLoads->setCaption(QString::fromStdString(memberLoadCaption(document, separator)));
    showView();
}

std::vector<QWidget*> ControlBar::focusOrder() const {
    std::vector<QWidget*> order{memberLoadOption, floorLoadOption,  loadTypeBox,
                                casesButton,      columnLoadsBox,   columnLoadChoice,
                                beamNumbersBox,   allIntensitiesBox};
    order.insert(order.end(), intensityBoxes.begin(), intensityBoxes.end());
    return order;
}

void ControlBar::showView() {
    const PlanView& view = session_.view();
    const ListingDocument* document = session_.document();
    const bool memberMode = view.mode == LoadMode::Member;
    {
        const QSignalBlocker quietMember(memberLoadOption);
        const QSignalBlocker quietFloor(floorLoadOption);
        (memberMode ? memberLoadOption : floorLoadOption)->setChecked(true);
    }
    // The load-case numbers are written on floor loads only.
    loadTypeBox->setEnabled(!memberMode);
    setTicked(loadTypeBox, view.loadCaseNumbers ? Qt::Checked : Qt::Unchecked);
    setTicked(beamNumbersBox, view.memberNumbers ? Qt::Checked : Qt::Unchecked);
    setTicked(allIntensitiesBox, everyIntensityState(document, view));
    // With no floor load there is nothing for "Chk All" to tick.
    allIntensitiesBox->setEnabled(document != nullptr && !document->floorIntensities.empty());
    for (std::size_t i = 0; i < intensityBoxes.size(); ++i) {
        const float intensity = document->floorIntensities[i];
        setTicked(intensityBoxes[i], view.showsIntensity(intensity) ? Qt::Checked : Qt::Unchecked);
    }
    beamNumbersBox->setVisible(memberMode);
    // Without a load case there are no column loads to show.
    const bool anyChoice = columnLoadChoice->count() > 0;
    columnLoadsBox->setEnabled(anyChoice);
    columnLoadChoice->setEnabled(anyChoice);
    setTicked(columnLoadsBox, view.columnLoads ? Qt::Checked : Qt::Unchecked);
    for (int i = 0; view.columnLoads && i < columnLoadChoice->count(); ++i) {
        if (choiceOfItem(*columnLoadChoice, i) == *view.columnLoads) {
            const QSignalBlocker quiet(columnLoadChoice);
            columnLoadChoice->setCurrentIndex(i);
        }
    }
    showCases();
    static_cast<ListRow*>(listRow_)->showBoxes(!memberMode);
}

void ControlBar::showCases() {
    const PlanView& view = session_.view();
    const ListingDocument* document = session_.document();
    const std::string chosen = document != nullptr ? chosenCasesText(*document, view) : "";
    casesButton->setText(chosen.empty()
                             ? QStringLiteral("All cases")
                             : QStringLiteral("Cases ") + QString::fromStdString(chosen));
    casesButton->setEnabled(document != nullptr && !document->loadCases.empty());
    // The menu's arrow is drawn in the button's corner: room for it beside the text.
    casesButton->setMinimumWidth(0);
    casesButton->setMinimumWidth(
        casesButton->sizeHint().width() +
        casesButton->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, casesButton));
}

}  // namespace fp
