// The skills tab: its edits, the ranks chooser and the perk boxes, which
// change the session's skills and the strengths derived from them.

#include "main_window/ui/skills_tab.h"

#include "drag_drop/ui/drag_controller.h"
#include "engine/effect_strength.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/controls_context.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/ui/chooser_combo.h"
#include "session/program_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QVBoxLayout>

#include <algorithm>

namespace qor {

SkillsTab::SkillsTab(const WindowContext &ctx) : m_ctx(ctx) {}

void SkillsTab::buildControls(QWidget &tabSheet, const ControlsContext &controls) {
    m_page = &tabSheet;
    auto *outer = new QHBoxLayout(&tabSheet);
    outer->setContentsMargins(8, 6, 8, 6);
    auto *left = new QGridLayout;
    left->setVerticalSpacing(2);
    auto *skillCaption = new QLabel(QStringLiteral("Навык Алхимии"), &tabSheet);
    skillCaption->setObjectName(QStringLiteral("LabelAlchemyValue"));
    const auto edit = [&tabSheet](const QString &name) {
        auto *line = new QLineEdit(&tabSheet);
        line->setObjectName(name);
        line->setFixedWidth(120);
        return line;
    };
    m_skill = edit(QStringLiteral("EditAlchemyValue"));
    m_fortify = edit(QStringLiteral("EditAlchemyModify"));
    m_ranks = makeChooser(controls, &tabSheet, QStringLiteral("ComboBoxMainAlchPercCount"), 120,
                          static_cast<int>(ChooserComboBox::Kind::Text));
    m_ranks->addItems({QStringLiteral("Нет"), QStringLiteral("1 / 5"), QStringLiteral("2 / 5"),
                       QStringLiteral("3 / 5"), QStringLiteral("4 / 5"), QStringLiteral("5 / 5")});
    left->addWidget(skillCaption, 0, 0);
    left->addWidget(m_skill, 1, 0);
    left->addWidget(new QLabel(QStringLiteral("Внешний усилитель (%)"), &tabSheet), 2, 0);
    left->addWidget(m_fortify, 3, 0);
    left->addWidget(new QLabel(QStringLiteral("Кол-во перков \"АЛХИМИК\""), &tabSheet), 4, 0);
    left->addWidget(m_ranks, 5, 0);
    left->setRowStretch(6, 1);
    outer->addLayout(left);
    outer->addSpacing(40);

    auto *right = new QVBoxLayout;
    const auto perk = [&tabSheet, right](const QString &name, const QString &caption,
                                         bool SkillSettings::*skill) {
        auto *box = new QCheckBox(caption, &tabSheet);
        box->setObjectName(name);
        right->addWidget(box);
        return Perk{box, skill};
    };
    m_perks = {perk(QStringLiteral("CheckBoxPerkPurity"), QStringLiteral("Перк \"ЧИСТОТА\""),
                    &SkillSettings::PerkPurity),
               perk(QStringLiteral("CheckBoxPerkPoisoner"), QStringLiteral("Перк \"ОТРАВИТЕЛЬ\""),
                    &SkillSettings::PerkPoisoner),
               perk(QStringLiteral("CheckBoxPerkBenefactor"), QStringLiteral("Перк \"ПРОВИЗОР\""),
                    &SkillSettings::PerkBenefactor),
               perk(QStringLiteral("CheckBoxPerkPhysician"), QStringLiteral("Перк \"ЦЕЛИТЕЛЬ\""),
                    &SkillSettings::PerkPhysician)};
    right->addStretch(1);
    outer->addLayout(right);
    outer->addStretch(1);
}

void SkillsTab::connectSignals(ControlCommands &commands) {
    commands.connect(m_ranks, &QComboBox::currentIndexChanged, [this] {
        SkillSettings s = m_ctx.state.session.skills();
        s.AlchemistRanks = std::max(0, m_ranks->currentIndex());
        setSkills(s);
    });
    for (const Perk &perk : m_perks) {
        commands.connect(perk.box, &QAbstractButton::clicked, [this, perk] {
            SkillSettings s = m_ctx.state.session.skills();
            s.*perk.skill = perk.box->isChecked();
            setSkills(s);
        });
    }
    // The edits also take text typed before the window is ready; only text
    // set by code is ignored.
    const auto edits = {SkillEdit{m_skill, 200, &SkillSettings::AlchemySkill},
                        SkillEdit{m_fortify, 400, &SkillSettings::AlchemyFortify}};
    for (const SkillEdit &edit : edits) {
        QObject::connect(edit.line, &QLineEdit::textChanged, &m_ctx.window, [this, edit] {
            if (!m_ctx.state.Gate.quiet())
                onSkillEditChanged(edit);
        });
    }
    commands.addEntry(m_page, [this] { enter(); });
}

void SkillsTab::joinRouters(const WindowRouters &routers) {
    routers.keys.registerChooser(m_ranks, {}, nullptr);
    routers.wheel.watch(m_ranks, WheelRouter::Target::Chooser);
    routers.hints.addChooser(m_ranks);
    routers.drag.registerControl(m_ranks, DragControl::None);
}

void SkillsTab::onSkillEditChanged(const SkillEdit &edit) {
    bool ok = false;
    const qlonglong parsed = edit.line->text().trimmed().toLongLong(&ok);
    bool corrected = !ok;
    qlonglong value = ok ? parsed : 0;
    if (value < 0) {
        value = 0;
        corrected = true;
    } else if (value > edit.maximum) {
        value = edit.maximum;
        corrected = true;
    }
    if (corrected) {
        // Replacing the text runs this handler once more, now uncorrected.
        edit.line->setText(QString::number(value));
        return;
    }
    SkillSettings s = m_ctx.state.session.skills();
    s.*edit.skill = static_cast<std::int32_t>(value);
    setSkills(s);
}

void SkillsTab::setSkills(const SkillSettings &skills) {
    m_ctx.state.Strengths = RecalcItemEffects(m_ctx.state.Data, skills);
    m_ctx.state.session.setSkills(skills);
}

void SkillsTab::enter() {
    // The controls show the skills read from Main.ini from the first entry on.
    if (m_entered)
        return;
    m_entered = true;
    const ProgramState &st = m_ctx.state;
    const CommandGate::Scope quiet(m_ctx.state.Gate, CommandGate::Hold::Commands);
    m_page->setUpdatesEnabled(false);
    const SkillSettings &s = st.session.skills();
    m_skill->setText(QString::number(s.AlchemySkill));
    m_fortify->setText(QString::number(s.AlchemyFortify));
    m_ranks->setCurrentIndex(std::clamp(s.AlchemistRanks, 0, 5));
    for (const Perk &perk : m_perks)
        perk.box->setChecked(s.*perk.skill);
    m_page->setUpdatesEnabled(true);
}

} // namespace qor
