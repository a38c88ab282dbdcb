// "Print": the two questions, the page image the printer gets (black or white, the grid, the
// shapes, no buttons), and the work area put back as it was, whether printing worked or not.

#include "platform/printer.h"
#include "platform/twips.h"
#include "support/dialogscript.h"
#include "support/program.h"
#include "workarea/workareapainter.h"

#include <QMessageBox>
#include <QTemporaryDir>

using D = DialogScript;

namespace {
WorkArea::Display *display() { return WorkArea::Display::existing(); }

// Captures what would go to the printer.
struct PrinterCapture {
    std::vector<QImage> pages;
    bool works = true;
    PrinterCapture()
    {
        Printer::setSink([this](const QImage &image, QString *error) {
            pages.push_back(image);
            if (!works && error)
                *error = QStringLiteral("No printer is set up on this computer.");
            return works;
        });
    }
    ~PrinterCapture() { Printer::setSink(nullptr); }
};

D::Answer messageBoxAnswer(QMessageBox::StandardButton which)
{
    return [which](QDialog &d) { static_cast<QMessageBox &>(d).button(which)->click(); };
}

QRect borderRect() { return display()->parentWidget()->geometry(); }

void placeTwoShapes()
{
    display()->PicTarget_DragDrop(5, true, 17);
    display()->PicTarget_DragDrop(5, true, 40);
}

QImage expectedBox(const QColor &background, bool grid)
{
    BoxPictures boxes;
    boxes.PicTarget2[5] = 17;
    boxes.PicTarget[5] = 40;
    return WorkAreaPainter::renderModel(boxes, background, grid).copy(WorkAreaPainter::boxRect(5));
}

QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void noPrintsNothingAndChangesNothing()
    {
        Program program;
        program.create();
        PrinterCapture printer;
        const QRect before = borderRect();
        DialogScript script({D::no()});
        display()->PrintAll_Click();
        QCOMPARE(script.asked, std::vector<QString>{"AllYesNo:  Continue with Printout."});
        QVERIFY(printer.pages.empty());
        QCOMPARE(borderRect(), before);
        QCOMPARE(display()->grab().toImage().pixelColor(11, 5), QColor(0, 128, 0));
    }

    void blackPageHasGridAndShapesButNoButtons()
    {
        Program program;
        program.create();
        placeTwoShapes();
        PrinterCapture printer;
        DialogScript script({D::yes(), D::no()});
        display()->PrintAll_Click();
        QCOMPARE(script.asked.at(1), QStringLiteral("AllYesNo: With white background."));
        QCOMPARE(printer.pages.size(), size_t(1));
        const QImage page = rgb(printer.pages.front());
        // The window was 9530 x 6400 twips while it printed, inside its one-pixel border.
        QCOMPARE(page.size(), Twips::size(9530, 6400) - QSize(2, 2));
        QCOMPARE(page.pixelColor(11, 5), QColor(0, 128, 0));
        QCOMPARE(page.pixelColor(20, 20), QColor(Qt::black));
        QCOMPARE(page.copy(WorkAreaPainter::boxRect(5)), rgb(expectedBox(Qt::black, true)));
        // Below the grid there is only background: the strip and its buttons are left out.
        for (int y = 422; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                QCOMPARE(page.pixelColor(x, y), QColor(Qt::black));
        MGLOBAL::instance().ModelChanged = 0;
    }

    void whitePageAndTheWindowPutBack()
    {
        Program program;
        program.create();
        placeTwoShapes();
        PrinterCapture printer;
        DialogScript script({D::yes(), D::yes()});
        display()->PrintAll_Click();
        const QImage page = rgb(printer.pages.front());
        QCOMPARE(page.pixelColor(20, 20), QColor(Qt::white));
        // Setting the colour cleared the surface: no grid lines on the white page.
        QCOMPARE(page.pixelColor(11, 5), QColor(Qt::white));
        QCOMPARE(page.copy(WorkAreaPainter::boxRect(5)), rgb(expectedBox(Qt::white, false)));

        // Afterwards: the layout place and size, black again, and the lines gone until redrawn.
        QCOMPARE(borderRect(), QRect(Twips::point(-60, -60), Twips::size(9550, 6850)));
        QCOMPARE(display()->backColor(), QColor(Qt::black));
        QCOMPARE(display()->grab().toImage().pixelColor(11, 5), QColor(Qt::black));
        QCOMPARE(display()->grab().toImage().pixelColor(20, 20), QColor(Qt::black));
        QVERIFY(!QGuiApplication::overrideCursor());
        MGLOBAL::instance().ModelChanged = 0;
    }

    void afterPrintingTheWindowReturnsToItsLayoutPlace()
    {
        Program program;
        program.create();
        MGLOBAL::instance().FrameSize = 8670;
        display()->parentWidget()->move(100, 100);
        PrinterCapture printer;
        DialogScript script({D::yes(), D::no()});
        display()->PrintAll_Click();
        QCOMPARE(borderRect().topLeft(), Twips::point(0, 600));
    }

    void withoutAPrinterThePageCanBecomeAPdf()
    {
        QTemporaryDir dir;
        Program program;
        program.create();
        placeTwoShapes();
        PrinterCapture printer;
        printer.works = false;
        QString offer;
        DialogScript script({D::yes(), D::yes(),
                             D::inspect([&](QDialog &d) { offer = static_cast<QMessageBox &>(d).text(); },
                                        messageBoxAnswer(QMessageBox::Yes)),
                             D::chooseFile(dir.filePath("model"))});
        display()->PrintAll_Click();
        QVERIFY(script.allAnswered());
        QVERIFY2(offer.contains(QStringLiteral("No printer is set up")), qPrintable(offer));
        QVERIFY(offer.contains(QStringLiteral("PDF")));
        // Everything is put back before the user is asked.
        QCOMPARE(borderRect(), QRect(Twips::point(-60, -60), Twips::size(9550, 6850)));
        QCOMPARE(display()->backColor(), QColor(Qt::black));
        QVERIFY(!QGuiApplication::overrideCursor());
        QFile pdf(dir.filePath("model.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        MGLOBAL::instance().ModelChanged = 0;
    }

    void declinedPdfWritesNothing()
    {
        Program program;
        program.create();
        PrinterCapture printer;
        printer.works = false;
        DialogScript script({D::yes(), D::no(), messageBoxAnswer(QMessageBox::No)});
        display()->PrintAll_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(display()->backColor(), QColor(Qt::black));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
