// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's own texts in Greek, read from the menus Qt builds: any source text or
// context that is not exactly Qt's would leave its English entry showing.
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "translations/Translations.h"

// Failures show the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(" | ")).toStdString() << '}';
}

namespace {

bool installed = false;

struct Entry {
    QString label;     // what the entry says, mnemonic included
    QString shortcut;  // the shortcut shown beside it
};

// The entries of a menu, separators left out.
QList<Entry> Entries(const QMenu& menu) {
    QList<Entry> entries;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            continue;
        }
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        entries.append({parts.value(0), parts.value(1)});
    }
    return entries;
}

QStringList Labels(const QList<Entry>& entries) {
    QStringList labels;
    for (const Entry& entry : entries) {
        labels.append(entry.label);
    }
    return labels;
}

// Within one menu a mnemonic letter reaches one entry only.
void ExpectDistinctMnemonics(const QList<Entry>& entries) {
    QSet<QChar> seen;
    for (const Entry& entry : entries) {
        const qsizetype amp = entry.label.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < entry.label.size()) {
            const QChar key = entry.label.at(amp + 1).toUpper();
            EXPECT_FALSE(seen.contains(key)) << entry.label.toStdString();
            seen.insert(key);
        }
    }
}

// A Greek desktop keeps the key names Latin ("Ctrl+C"), as Qt writes them.
void ExpectLatinShortcuts(const QList<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (!entry.shortcut.isEmpty()) {
            EXPECT_TRUE(entry.shortcut.startsWith(QStringLiteral("Ctrl+")))
                << entry.shortcut.toStdString();
        }
    }
}

TEST(Translations, CatalogueInstalls) {
    EXPECT_TRUE(installed);
}

TEST(Translations, CoefficientBoxMenuIsGreek) {
    QLineEdit box;
    box.setText(QStringLiteral("12"));
    box.selectAll();
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    const QList<Entry> entries = Entries(*menu);
    EXPECT_EQ(Labels(entries), QStringList({
                                   QStringLiteral("&Αναίρεση"),
                                   QStringLiteral("Ακύρωση α&ναίρεσης"),
                                   QStringLiteral("Αποκο&πή"),
                                   QStringLiteral("Αντι&γραφή"),
                                   QStringLiteral("&Επικόλληση"),
                                   QStringLiteral("Διαγραφή"),
                                   QStringLiteral("Επιλογή όλων"),
                               }));
    ExpectDistinctMnemonics(entries);
    ExpectLatinShortcuts(entries);
}

TEST(Translations, ReadOnlyTextMenuIsGreek) {
    // The about window's notice: read-only, selectable.
    QPlainTextEdit notice;
    notice.setReadOnly(true);
    notice.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice.setPlainText(QStringLiteral("Σημείωση"));
    notice.selectAll();
    const std::unique_ptr<QMenu> menu(notice.createStandardContextMenu());
    const QList<Entry> entries = Entries(*menu);
    EXPECT_EQ(Labels(entries),
              QStringList({QStringLiteral("Αντι&γραφή"), QStringLiteral("Επιλογή όλων")}));
    ExpectLatinShortcuts(entries);
}

struct ScrollBarCase {
    Qt::Orientation orientation;
    QStringList labels;
};

TEST(Translations, ScrollBarMenuIsGreek) {
    const ScrollBarCase cases[] = {
        {Qt::Vertical,
         {QStringLiteral("Κύλιση εδώ"), QStringLiteral("Πάνω άκρο"), QStringLiteral("Κάτω άκρο"),
          QStringLiteral("Μία σελίδα πάνω"), QStringLiteral("Μία σελίδα κάτω"),
          QStringLiteral("Κύλιση πάνω"), QStringLiteral("Κύλιση κάτω")}},
        {Qt::Horizontal,
         {QStringLiteral("Κύλιση εδώ"), QStringLiteral("Αριστερό άκρο"),
          QStringLiteral("Δεξί άκρο"), QStringLiteral("Μία σελίδα αριστερά"),
          QStringLiteral("Μία σελίδα δεξιά"), QStringLiteral("Κύλιση αριστερά"),
          QStringLiteral("Κύλιση δεξιά")}},
    };
    for (const ScrollBarCase& c : cases) {
        QScrollBar bar(c.orientation);
        bar.resize(200, 200);
        // The scroll bar opens its menu modally; read it once it is up.
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                shown = Labels(Entries(*menu));
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                bar.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&bar, &event);
        EXPECT_EQ(shown, c.labels) << c.orientation;
    }
}

// Every message of the catalogue is finished and is what Qt now answers for
// its source text: lrelease leaves out unfinished ones, and a message whose
// translation equals its source would be English still.
TEST(Translations, EveryMessageIsFinishedAndInstalled) {
    QFile file(QStringLiteral(ALKYNES_TS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QByteArray context;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toUtf8();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString translation = xml.readElementText();
            SCOPED_TRACE(context.toStdString() + " / " + source.toStdString());
            EXPECT_TRUE(type.isEmpty()) << type.toStdString();
            EXPECT_FALSE(translation.isEmpty());
            EXPECT_NE(translation, source);
            EXPECT_EQ(translation.contains(QLatin1Char('&')), source.contains(QLatin1Char('&')));
            EXPECT_EQ(QCoreApplication::translate(context.constData(), source.toUtf8().constData()),
                      translation);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 0);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    installed = alkynes::translations::Install(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
