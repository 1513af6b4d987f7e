// A print job painted into an A4 PDF in memory: the tests' printers print there, not on paper.
#pragma once

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

// The PDF's bytes once the job has painted its pages.
inline QByteArray PaintA4Pdf(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        paint(painter, writer);
    }
    return pdf.data();
}
