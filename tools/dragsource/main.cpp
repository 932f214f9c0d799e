#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource final : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : m_files(std::move(files)) {
        setWindowTitle(QStringLiteral("dragsource"));
        resize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(m_files);
        drag->setMimeData(data);
        const Qt::DropAction taken = drag->exec(Qt::CopyAction | Qt::MoveAction);
        qInfo("drop action: %d", int(taken));
    }

private:
    QList<QUrl> m_files;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QList<QUrl> files;
    for (const QString& path : QApplication::arguments().mid(1))
        files.append(QUrl::fromLocalFile(path));
    DragSource window(files);
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
