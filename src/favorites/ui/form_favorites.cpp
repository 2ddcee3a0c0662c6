#include "favorites/ui/form_favorites.h"

#include "favorites/favorites_store.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include <utility>

namespace qor {

namespace {

using Kind = FavoriteIndexList::Kind;

QGroupBox *groupWith(const QString &name, const QString &caption, QWidget *list) {
    auto *group = new QGroupBox(caption);
    group->setObjectName(name);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list);
    return group;
}

} // namespace

TFormFavorites::TFormFavorites(FavoritesStore &favorites, const GameData &data, const ViewColors &colors,
                               const PictureSource *pictures, ToolWindowPrompts prompts, QWidget *owner)
    : ToolWindow(owner, Esc::Closes), m_favorites(favorites), m_prompts(std::move(prompts)) {
    setObjectName(QStringLiteral("FormFavorites"));
    setWindowTitle(QStringLiteral("Избранное"));
    if (owner)
        setFont(owner->font());

    ListBoxFavoriteEffects = new FavoriteIndexList(Kind::Effects, favorites, data, colors, pictures);
    ListBoxFavoriteItems = new FavoriteIndexList(Kind::Items, favorites, data, colors, pictures);
    GroupBoxEff = groupWith(QStringLiteral("GroupBoxEff"), QStringLiteral("Эффекты"), ListBoxFavoriteEffects);
    GroupBox2 = groupWith(QStringLiteral("GroupBox2"), QStringLiteral("Ингредиенты"), ListBoxFavoriteItems);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(GroupBoxEff);
    Splitter1->addWidget(GroupBox2);
    // The effects group keeps its height when the window is resized.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    PopMenuLbEff = buildPopup(ListBoxFavoriteEffects, "PopMenuLbEff", "PMenuEffDel", "PMenuEffFont",
                              "PMenuEffItemHeight", PMenuEffDel, PMenuEffFont, PMenuEffItemHeight);
    PopMenuLbItems = buildPopup(ListBoxFavoriteItems, "PopMenuLbItems", "PMenuItemDel", "PMenuItemFont",
                                "PMenuItemItemHeinght", PMenuItemDel, PMenuItemFont, PMenuItemItemHeinght);
    for (FavoriteIndexList *list : {ListBoxFavoriteEffects, ListBoxFavoriteItems}) {
        previewKeysOf(list);
        list->resetRows();
    }
    preparePopup(Kind::Effects);
    preparePopup(Kind::Items);
}

QMenu *TFormFavorites::buildPopup(FavoriteIndexList *list, const char *menuName, const char *delName,
                                  const char *fontName, const char *heightName, QAction *&del, QAction *&font,
                                  QAction *&height) {
    auto *menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(menuName));
    const Kind kind = list->kind();
    del = menu->addAction(QStringLiteral("Удалить"), this, [this, kind] { deleteSelected(kind); });
    del->setObjectName(QString::fromLatin1(delName));
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(del);
    font = menu->addAction(QStringLiteral("Шрифт"), this, [this] { promptFont(); });
    font->setObjectName(QString::fromLatin1(fontName));
    height = menu->addAction(QStringLiteral("Высота строк"));
    height->setObjectName(QString::fromLatin1(heightName));
    connect(height, &QAction::triggered, this, [this, item = height] { promptRowHeight(item); });

    connect(list, &QWidget::customContextMenuRequested, this, [this, list, menu](const QPoint &pos) {
        preparePopup(list->kind());
        menu->popup(list->viewport()->mapToGlobal(pos));
    });
    connect(list, &OwnerDrawListView::selectedRowChanged, this, [this, kind] { preparePopup(kind); });
    return menu;
}

FavoriteIndexList *TFormFavorites::list(Kind kind) const {
    return kind == Kind::Items ? ListBoxFavoriteItems : ListBoxFavoriteEffects;
}

QMenu *TFormFavorites::popup(Kind kind) const {
    return kind == Kind::Items ? PopMenuLbItems : PopMenuLbEff;
}

void TFormFavorites::preparePopup(Kind kind) {
    QAction *del = kind == Kind::Items ? PMenuItemDel : PMenuEffDel;
    del->setEnabled(list(kind)->currentRow() >= 0);
}

void TFormFavorites::applyState(const FavoritesWindowState &state) {
    setBounds(state.bounds);
    setListFont(state.font);
    setRowHeight(state.rowHeight);
    m_groupHeight = state.groupHeight;
    m_groupHeightPending = true;
    if (isVisible())
        applyGroupHeight();
}

FavoritesWindowState TFormFavorites::state() const {
    FavoritesWindowState s;
    s.bounds = bounds();
    s.font = m_font;
    s.rowHeight = ListBoxFavoriteItems->itemHeight();
    s.groupHeight = m_groupHeightPending ? m_groupHeight : GroupBoxEff->height();
    return s;
}

void TFormFavorites::showEvent(QShowEvent *event) {
    ToolWindow::showEvent(event);
    if (m_groupHeightPending)
        applyGroupHeight();
}

void TFormFavorites::applyGroupHeight() {
    if (QLayout *l = layout())
        l->activate();
    const int total = Splitter1->height() - Splitter1->handleWidth();
    if (total <= 0)
        return;
    const int group = std::clamp(m_groupHeight, 1, total);
    Splitter1->setSizes({group, total - group});
    m_groupHeightPending = false;
}

void TFormFavorites::SetSplittersHeight(int thickness) {
    for (QSplitter *splitter : findChildren<QSplitter *>())
        splitter->setHandleWidth(thickness);
}

void TFormFavorites::setListFont(const ListFont &font) {
    m_font = font;
    for (FavoriteIndexList *l : {ListBoxFavoriteEffects, ListBoxFavoriteItems}) {
        l->setFont(font.applied(l->font()));
        l->viewport()->update();
    }
}

void TFormFavorites::setRowHeight(int height) {
    for (FavoriteIndexList *l : {ListBoxFavoriteEffects, ListBoxFavoriteItems})
        l->setItemHeight(clampToolRowHeight(height));
}

void TFormFavorites::deleteSelected(Kind kind) {
    FavoriteIndexList *l = list(kind);
    const int row = l->currentRow();
    if (row < 0)
        return;
    const int next = m_favorites.editFavorites([&](FavoritesModel &fav) {
        return kind == Kind::Items ? fav.deleteItem(row) : fav.deleteEffect(row);
    });
    l->setCurrentRow(next);
    preparePopup(kind);
}

void TFormFavorites::promptFont() {
    if (!m_prompts.font)
        return;
    QFont font = ListBoxFavoriteItems->font();
    if (!m_prompts.font(font))
        return;
    ListFont chosen{font.family(), font.pointSize() > 0 ? font.pointSize() : m_font.size};
    setListFont(chosen);
}

void TFormFavorites::promptRowHeight(QAction *item) {
    if (!m_prompts.number)
        return;
    const auto value = m_prompts.number(item ? item->text() : QString(), ListBoxFavoriteItems->itemHeight(),
                                        kToolListMinRowHeight, kToolListMaxRowHeight);
    if (value)
        setRowHeight(*value);
}

int TFormFavorites::dropElement(Kind kind, int element, int row) {
    const int at = m_favorites.editFavorites([&](FavoritesModel &fav) {
        return kind == Kind::Items ? fav.insertItem(row, element) : fav.insertEffect(row, element);
    });
    if (at < 0)
        return -1;
    list(kind)->setCurrentRow(at);
    return at;
}

int TFormFavorites::moveElement(Kind kind, int from, int row) {
    const int at = m_favorites.editFavorites([&](FavoritesModel &fav) {
        return kind == Kind::Items ? fav.moveItem(from, row) : fav.moveEffect(from, row);
    });
    if (at < 0)
        return -1;
    list(kind)->setCurrentRow(at);
    return at;
}

} // namespace qor
