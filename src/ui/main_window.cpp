#include "ui/main_window.h"

#include "coding/empty_manipulation_file.h"
#include "common/dialogs.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/translated_texts.h"
#include "settings/settings_store.h"
#include "trace/trace_loader.h"
#include "ui/chassis_panel.h"
#include "ui/compare_panel.h"
#include "ui/controls.h"
#include "ui/editing_panel.h"
#include "ui/explain_panel.h"
#include "ui/history_panel.h"
#include "ui/install_panel.h"
#include "ui/main_window_controls.h"
#include "ui/menu_panel.h"
#include "ui/save_panel.h"
#include "ui/search_panel.h"
#include "ui/trace_checks_panel.h"
#include "ui/trace_tree_view.h"
#include "ui/update_check_panel.h"
#include "ui/values_panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {

// Window positions are stored in twips, as the tools' own settings do.
constexpr double kTwipsPerPixel = 15.0;

// The steps in NCS Expert that produce a trace. The names after "-->" are NCS Expert's own
// buttons and stay as the program shows them.
QStringList startUpInstructions()
{
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Start NCS Expert"),
        "",
        "--> Load Profile",
        QT_TRANSLATE_NOOP("MainWindow", "Select Expert write profile"),
        "",
        "--> VIN/ZCS/FA (F1)",
        "--> ZCS/FA f. ECU (F3)",
        "",
        QT_TRANSLATE_NOOP("MainWindow", "Select chassis"),
        QT_TRANSLATE_NOOP("MainWindow", "Select ecu"),
        "",
        "--> Back (F6)",
        "--> Process ECU (F4)",
        "",
        QT_TRANSLATE_NOOP("MainWindow", "Select ecu"),
        "--> Read ECU (F4)",
        "",
        QT_TRANSLATE_NOOP("MainWindow", "Close NETTODAT.TRC popup"),
        "",
        QT_TRANSLATE_NOOP("MainWindow", "Choose in here Load TRC-file"),
    };
    return translatedTexts("MainWindow", lines);
}

WindowLayout::ControlKind kindOf(const QWidget* control)
{
    return qobject_cast<const QComboBox*>(control) ? WindowLayout::ControlKind::ComboBox
                                                   : WindowLayout::ControlKind::Other;
}

} // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_settings(services.settings),
      m_dialogs(services.dialogs),
      m_clock(services.clock),
      m_programFiles(services.programFiles),
      m_historyFolder(services.historyFolder),
      m_language(services.language),
      m_folders(ToolFolders::read(services.settings, services.winePrefix)),
      m_context{.settings = m_settings,
                .folders = m_folders,
                .dialogs = m_dialogs,
                .clock = m_clock,
                .programFiles = m_programFiles,
                .historyFolder = m_historyFolder,
                .language = m_language,
                .busy = m_busy,
                .session = m_session,
                .modules = m_modules,
                .translations = m_translations,
                .window = *this,
                .frame = *this}
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(mainCaption());

    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(m_clientArea);
    m_controls = createMainWindowControls(m_clientArea);
    createMainWindowMenus(this);
    m_clientArea->setMinimumSize(1, 1);
    m_clientArea->installEventFilter(this);
    resize(static_cast<int>(WindowLayout::kFullWidth),
           static_cast<int>(WindowLayout::kDesignedHeight) + menuBar()->sizeHint().height());

    m_tree = requireChild<TraceTreeView>(this, QStringLiteral("TreeTRC"));
    m_listItems = requireChild<QListView>(this, QStringLiteral("listItems"));
    m_listImage = requireChild<QLabel>(this, QStringLiteral("listImage"));
    m_tree->setTraceTree(&m_session.tree());
    m_listItems->setModel(&m_session.listItemsModel());

    connect(&m_session, &TraceSession::treeVisibleChanged, this, [this](bool treeVisible) {
        m_tree->setVisible(treeVisible);
        m_listItems->setVisible(!treeVisible);
    });
    connect(&m_busy, &BusyState::changed, this, [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });

    connectFoundationControls();
    constructPanels();
    Form_Load();
    qCDebug(lcUi) << "main window in" << m_language << "on" << m_folders.FolderNCS << m_folders.FolderEDIABAS
                  << m_folders.FolderNFS << "program files" << m_programFiles.perUserFolder();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectFoundationControls()
{
    connect(requireChild<QPushButton>(this, QStringLiteral("cmdLoad")), &QPushButton::clicked, this,
            &MainWindow::cmdLoad_Click);
    for (int index = 1; index <= 3; ++index)
        connect(requireChild<QPushButton>(this, QStringLiteral("cmdPath_%1").arg(index)), &QPushButton::clicked, this,
                [this, index] { cmdPath_Click(index); });
}

void MainWindow::constructPanels()
{
    // Panels: each area of the window gets its handlers from one class. Everything they
    // share exists already, so they may be built in any order.
    m_chassisPanel = new ChassisPanel(this, m_context);
    new ValuesPanel(this, m_context);
    m_savePanel = new SavePanel(this, m_context);
    m_searchPanel = new SearchPanel(this, m_context);
    new MenuPanel(this, m_context);
    m_comparePanel = new ComparePanel(this, m_context);
    m_installPanel = new InstallPanel(this, m_context);
    new UpdateCheckPanel(this, m_context);
    m_editingPanel = new EditingPanel(this, m_context);
    m_traceChecksPanel = new TraceChecksPanel(this, m_context);
    new HistoryPanel(this, m_context);
    new ExplainPanel(this, m_context);
}

void MainWindow::closeSearchWindow()
{
    m_searchPanel->closeSearchWindow();
}

bool MainWindow::showChangeWindowViaSearch(QDialog* changeWindow)
{
    return m_searchPanel->showChangeWindowViaSearch(changeWindow);
}

void MainWindow::toggleTranslation()
{
    m_editingPanel->cmdTranslate_Click();
}

void MainWindow::saveFileAs(int mode)
{
    m_savePanel->SaveFileAs(mode);
}

void MainWindow::chooseModule(const QString& module)
{
    m_chassisPanel->chooseModule(module);
}

QString MainWindow::folderSPdaten() const
{
    return m_installPanel->state().FolderSPdaten;
}

void MainWindow::setLayoutWidth(double layoutWidth)
{
    LayoutWidth = layoutWidth;
    ResizeControls();
}

QSize MainWindow::designedWindowSize() const
{
    return QSize(qRound(m_controlLayout.at(0).width), qRound(m_controlLayout.at(0).height));
}

void MainWindow::Form_Load()
{
    m_session.ChangeCount = 0;
    m_session.ValuesShown = false;
    m_session.Translated = false;
    m_session.TraceLines.clear();
    requireChild<QLabel>(this, QStringLiteral("lblSPdaten"))->clear();
    requireChild<QLabel>(this, QStringLiteral("lblCopy"))->clear();
    m_session.setListItems(startUpInstructions());

    StoreControlLayout();

    // The custom picture joins the built-in ones as number 7 when its file exists.
    m_pictures = PictureList::builtIn();
    const QString custom = m_settings.value(SettingsStore::PictureCustom, QStringLiteral("None"));
    if (custom != u"None" && QFileInfo(custom).isFile()) {
        const QPixmap picture(custom);
        if (!picture.isNull())
            m_pictures.setCustom(picture);
    }
    // A stored number that is no 16-bit number is skipped: no picture is chosen from it.
    bool numeric = false;
    const short stored = m_settings.value(SettingsStore::PictureDefault, QStringLiteral("6")).toShort(&numeric);
    if (numeric) {
        PictureDefault = stored;
        if (PictureDefault > m_pictures.count())
            PictureDefault = 6;
        showPicture(PictureDefault);
    }

    if (m_settings.value(SettingsStore::NCSonly, QStringLiteral("False")).compare(u"True", Qt::CaseInsensitive) == 0) {
        requireChild<QAction>(this, QStringLiteral("sSettings_11"))->setChecked(true);
        LayoutWidth = WindowLayout::kNcsOnlyWidth;
    }
    restoreStartUpPosition();
}

void MainWindow::showPicture(int index)
{
    PictureDefault = index;
    m_listImage->setPixmap(m_pictures.picture(index));
}

void MainWindow::restoreStartUpPosition()
{
    const QString text = m_settings.value(SettingsStore::StartUpPosition, QStringLiteral("Normal"));
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    const auto position = WindowLayout::parseStartUpPosition(text, screenArea.width() * kTwipsPerPixel,
                                                             screenArea.height() * kTwipsPerPixel,
                                                             width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    using Mode = WindowLayout::StartUpPosition::Mode;
    if (position.mode == Mode::Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (position.mode == Mode::Normal)
        return;
    QPoint topLeft = pos();
    if (position.left)
        topLeft.setX(qRound(*position.left / kTwipsPerPixel));
    if (position.top)
        topLeft.setY(qRound(*position.top / kTwipsPerPixel));
    move(topLeft);
    QSize size = this->size();
    if (position.width)
        size.setWidth(qRound(*position.width / kTwipsPerPixel));
    if (position.height)
        size.setHeight(qRound(*position.height / kTwipsPerPixel));
    resize(size);
}

void MainWindow::StoreControlLayout()
{
    m_controlLayout.assign(static_cast<std::size_t>(m_controls.size()) + 1, {});
    m_controlLayout[0] = {double(x()), double(y()), double(width()), double(height())};
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        const QRect g = m_controls[i]->geometry();
        m_controlLayout[static_cast<std::size_t>(i) + 1] = {double(g.x()), double(g.y()), double(g.width()),
                                                            double(g.height())};
    }
    // The controls were just placed at their designed geometry, so the scale is the
    // designed client size (the client area itself gets its size only when shown).
    LayoutWidth = WindowLayout::kFullWidth;
    LayoutHeight = WindowLayout::kDesignedHeight;
}

void MainWindow::ResizeControls()
{
    if (isMinimized()) {
        // The panels do not exist yet while the controls are first laid out.
        if (m_searchPanel)
            closeSearchWindow();
        return;
    }
    if (m_controlLayout.empty())
        return;
    const auto f = WindowLayout::factors(m_clientArea->width(), m_clientArea->height(), LayoutWidth, LayoutHeight);
    const auto* show = requireChild<QWidget>(this, QStringLiteral("cmdShow"));
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QWidget* control = m_controls[i];
        const auto p = WindowLayout::place(m_controlLayout[static_cast<std::size_t>(i) + 1], kindOf(control),
                                           control->property("tag").toString(), f, control->width(), control->height(),
                                           show->x() + show->width());
        control->setGeometry(qRound(p.left), qRound(p.top), qRound(p.width), qRound(p.height));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The controls scale with the client area, below the menu bar.
    if (watched == m_clientArea && event->type() == QEvent::Resize)
        ResizeControls();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        ResizeControls();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload()
{
    closeSearchWindow();

    using WindowLayout::WindowState;
    const WindowState state = isMinimized()   ? WindowState::Minimized
                              : isMaximized() ? WindowState::Maximized
                                              : WindowState::Normal;
    Status stored =
        m_settings.setValue(SettingsStore::StartUpPosition,
                            WindowLayout::formatStartUpPosition(state, x() * kTwipsPerPixel, y() * kTwipsPerPixel,
                                                                width() * kTwipsPerPixel, height() * kTwipsPerPixel));
    if (stored)
        stored = m_settings.setValue(SettingsStore::PictureDefault, QString::number(PictureDefault));
    if (!stored)
        m_dialogs.message(mainCaption(), stored.error(), MessageIcon::Critical);

    const QString man = manipulationFilePath(m_folders.FolderNCS);
    if (ManipulationFile::holdsSomething(man)
        && m_dialogs.message(mainCaption(), tr("Do you want to empty the MAN-file?"), MessageIcon::Question,
                             MessageButtons::YesNo)
               == MessageAnswer::Yes) {
        const ManipulationFile::EmptyOutcome emptied = ManipulationFile::empty(man);
        if (emptied.kind != ManipulationFile::EmptyOutcome::Kind::Emptied)
            m_dialogs.message(mainCaption(), emptied.message, MessageIcon::Critical);
    }
}

void MainWindow::cmdLoad_Click()
{
    if (m_busy.isBusy())
        return;
    LoadTraceFile(defaultTracePath(m_folders.FolderNCS));
}

void MainWindow::LoadTraceFile(const QString& path)
{
    if (QFileInfo(path).isFile())
        m_comparePanel->traceAboutToLoad();
    const TraceLoadOutcome outcome = ::LoadTraceFile(path, m_folders.FolderNCS, m_session, m_busy, m_dialogs);
    if (outcome.loaded)
        m_traceChecksPanel->traceLoaded();
    if (outcome.loaded && outcome.retranslate)
        toggleTranslation();
}

void MainWindow::cmdPath_Click(int index)
{
    closeSearchWindow();
    SetDefaultFolder(index, m_folders, m_settings, m_dialogs);
}
