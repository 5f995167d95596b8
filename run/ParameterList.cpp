#include "run/ParameterList.h"

namespace vorlanda {

qsizetype ParameterList::IndexOfKey(const QString& key) const {
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const qsizetype equals = lines_[i].indexOf(u'=');
        if (equals >= 0 &&
            QStringView(lines_[i]).left(equals).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ParameterList::Value(const QString& key) const {
    const qsizetype index = IndexOfKey(key);
    return index < 0 ? QString() : lines_[index].mid(lines_[index].indexOf(u'=') + 1);
}

void ParameterList::SetValue(const QString& key, const QString& value) {
    const QString line = key + u'=' + value;
    const qsizetype index = IndexOfKey(key);
    if (index < 0)
        lines_.append(line);
    else
        lines_[index] = line;
}

} // namespace vorlanda
