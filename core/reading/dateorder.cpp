#include "core/reading/dateorder.h"

#include "core/errors.h"

#include <QCoreApplication>

namespace {

TRegionalSettings InOrder(const TRegionalSettings &settings, TDateOrder order)
{
    TRegionalSettings ordered = settings;
    ordered.DateOrder = order;
    return ordered;
}

} // namespace

QString DateOrderText(TDateOrder order)
{
    switch (order) {
    case TDateOrder::DMY:
        return QCoreApplication::translate("TDateOrder", "day/month/year");
    case TDateOrder::MDY:
        return QCoreApplication::translate("TDateOrder", "month/day/year");
    case TDateOrder::YMD:
        return QCoreApplication::translate("TDateOrder", "year/month/day");
    }
    return QString();
}

TDateOrder ReadInDateOrder(const TRegionalSettings &settings, TDateOrderChoice choice,
                           const TWholeIndexRead &read)
{
    const TDateOrder own = settings.ReadDateOrder();
    switch (choice) {
    case TDateOrderChoice::DMY:
    case TDateOrderChoice::MDY:
    case TDateOrderChoice::YMD: {
        const TDateOrder order = choice == TDateOrderChoice::DMY   ? TDateOrder::DMY
                                 : choice == TDateOrderChoice::MDY ? TDateOrder::MDY
                                                                   : TDateOrder::YMD;
        read(InOrder(settings, order));
        return order;
    }
    case TDateOrderChoice::RegionalSettings:
        read(settings);
        return own;
    case TDateOrderChoice::Automatic:
        break;
    }

    try {
        read(settings);
        return own;
    } catch (const TDateTimeConversionError &) {
        // Written in another region, perhaps: the other orders follow.
    }
    for (const TDateOrder order : {TDateOrder::DMY, TDateOrder::MDY, TDateOrder::YMD}) {
        if (order == own)
            continue;
        try {
            read(InOrder(settings, order));
            return order;
        } catch (const TDateTimeConversionError &) {
            continue;
        } catch (const TError &) {
            break; // a number or a cut-short entry fails in every order alike
        }
    }
    // What the user's own order read, and its error, as if nothing else was tried.
    read(settings);
    return own;
}
