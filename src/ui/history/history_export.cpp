#include "ui/history/history_export.h"

#include "export/record_writer.h"
#include "export/text_escaping.h"
#include "records/utf8_path.h"

#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace obrix::ui {

namespace {

// Images are drawn at twice the screen's size so that they stay sharp when printed.
constexpr int kImageScale = 2;

// Both charts side by side, as the window shows them, scaled into target.
void paintCharts(QPainter& painter, const QRectF& target, QChartView& total,
                 QChartView& subscales) {
    // Charts lay out their axes and legend in posted events: a chart filled just now would
    // otherwise be drawn without them.
    QCoreApplication::sendPostedEvents();
    const double width = total.width() + subscales.width();
    const double scale = std::min(target.width() / width,
                                  target.height() / std::max(total.height(), subscales.height()));
    const QRectF left(target.topLeft(), QSizeF(total.width() * scale, total.height() * scale));
    const QRectF right(left.topRight(),
                       QSizeF(subscales.width() * scale, subscales.height() * scale));
    total.render(&painter, left);
    subscales.render(&painter, right);
}

QString commit(QSaveFile& file) {
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString exportChartsPng(const QString& path, QChartView& total, QChartView& subscales) {
    const QSize size((total.width() + subscales.width()) * kImageScale,
                     std::max(total.height(), subscales.height()) * kImageScale);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintCharts(painter, QRectF(QPointF(0, 0), QSizeF(size)), total, subscales);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString();
    }
    return commit(file);
}

QString exportChartsPdf(const QString& path, const QString& title, QChartView& total,
                        QChartView& subscales) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Obrix"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter(&pdf);
        if (!painter.isActive()) {
            file.cancelWriting();
            return QStringLiteral("The PDF could not be started.");
        }
        const QRect page = painter.viewport();
        QFont font = painter.font();
        font.setPointSize(14);
        font.setBold(true);
        painter.setFont(font);
        const QRect heading(page.left(), page.top(), page.width(), page.height() / 12);
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, title);
        paintCharts(painter, QRectF(page.adjusted(0, heading.height(), 0, 0)), total, subscales);
    }
    return commit(file);
}

std::string historyCsv(const std::vector<history::Administration>& administrations,
                       scoring::ComparisonGroup group, const std::string& decimalSeparator) {
    exporting::CsvWriter writer(true, decimalSeparator);
    std::string out;
    writer.begin(out);
    for (const history::Administration& administration : administrations)
        writer.write(out, exporting::scoredRecord(
                              administration, group,
                              exporting::validUtf8(records::utf8String(administration.file))));
    writer.end(out);
    return out;
}

QString exportBytes(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return commit(file);
}

} // namespace obrix::ui
