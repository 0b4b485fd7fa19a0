#include "platform/mpv/control_dialogs.h"

#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cmath>

#include "platform/mpv/mpv_engine.h"

namespace zuk {
namespace {

QString OrDash(const std::string& text) {
    return text.empty() ? QStringLiteral("-") : QString::fromStdString(text);
}

QString Number(double value, const char* unit, int decimals = 0) {
    if (!std::isfinite(value) || value < 0) return QStringLiteral("-");
    return QString::number(value, 'f', decimals) + QString::fromUtf8(unit);
}

QString Kbps(double bitsPerSecond) {
    return Number(bitsPerSecond / 1000.0, " kbps");
}

}  // namespace

StatisticsDialog::StatisticsDialog(MpvEngine& engine, QWidget* parent)
    : QDialog(parent), engine_(engine), form_(new QFormLayout(this)), timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("統計"));
    setAttribute(Qt::WA_DeleteOnClose);
    for (const char* name :
         {"映像コーデック", "音声コーデック", "解像度", "フレームレート", "映像ビットレート",
          "音声ビットレート", "ドロップしたフレーム", "キャッシュ"})
        form_->addRow(QString::fromUtf8(name), new QLabel(this));
    connect(timer_, &QTimer::timeout, this, &StatisticsDialog::refresh);
    timer_->start(500);
    refresh();
}

void StatisticsDialog::refresh() {
    const double nan = std::nan("");
    const long width = static_cast<long>(engine_.integer(Prop::Width));
    const long height = static_cast<long>(engine_.integer(Prop::Height));
    const double drops = static_cast<double>(engine_.integer(Prop::FrameDrops) +
                                             engine_.integer(Prop::DecoderDrops));
    const QString values[] = {
        OrDash(engine_.text(Prop::VideoCodec)),
        OrDash(engine_.text(Prop::AudioCodec)),
        width > 0 ? QStringLiteral("%1 x %2").arg(width).arg(height) : QStringLiteral("-"),
        Number(engine_.number(Prop::EstimatedFps, engine_.number(Prop::ContainerFps, nan)), " fps",
               2),
        Kbps(engine_.number(Prop::VideoBitrate, nan)),
        Kbps(engine_.number(Prop::AudioBitrate, nan)),
        Number(drops, ""),
        Number(engine_.number(Prop::CacheDuration, nan), " 秒", 1) + QStringLiteral(" (") +
            Number(engine_.number(Prop::CacheState, nan), "%") + QStringLiteral(")"),
    };
    for (int row = 0; row < form_->rowCount(); ++row)
        static_cast<QLabel*>(form_->itemAt(row, QFormLayout::FieldRole)->widget())
            ->setText(values[row]);
}

void ShowControlAbout(MpvEngine& engine, QWidget* parent) {
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral("プレーヤー コントロールのバージョン情報"),
        QStringLiteral("zuk プレーヤー コントロール\n\n再生エンジン: %1\nFFmpeg: %2")
            .arg(OrDash(engine.text(Prop::MpvVersion)), OrDash(engine.text(Prop::FfmpegVersion))),
        QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace zuk
