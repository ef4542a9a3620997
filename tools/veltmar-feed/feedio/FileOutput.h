#ifndef FEEDIO_FILEOUTPUT_H
#define FEEDIO_FILEOUTPUT_H

// The feed written to a file, or to the standard output for the name "-".

#include <QFile>

#include "feedio/FeedOutput.h"

namespace feedio {

class FileOutput : public FeedOutput {
    Q_OBJECT
public:
    explicit FileOutput(QString path, QObject* parent = nullptr);

    bool open() override;
    bool write(const QByteArray& bytes) override;
    void flush() override { _file.flush(); }

private:
    QString _path;
    QFile _file;
};

}  // namespace feedio

#endif  // FEEDIO_FILEOUTPUT_H
