#include "locale_format.h"

#include <QLocale>

convert::NumberFormat numberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
