#include "Resources.h"

#include "CIcon.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace framework {
namespace {

const QJsonObject& ResourceFile()
{
    static const QJsonObject root = [] {
        QFile file(QStringLiteral(":/kestrum/Kestrum.json"));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("resource file missing from the binary");
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return root;
}

std::vector<std::string> Strings(const QJsonValue& list)
{
    std::vector<std::string> out;
    for (const auto& v : list.toArray())
        out.push_back(v.toString().toStdString());
    return out;
}

template <class T> void ReadRect(const QJsonValue& value, T& t)
{
    const QJsonArray r = value.toArray();
    t.x = r.at(0).toInt();
    t.y = r.at(1).toInt();
    t.cx = r.at(2).toInt();
    t.cy = r.at(3).toInt();
}

ControlKind KindOf(const QString& kind)
{
    if (kind == u"button")
        return ControlKind::Button;
    if (kind == u"edit")
        return ControlKind::Edit;
    if (kind == u"icon")
        return ControlKind::Icon;
    return ControlKind::Static;
}

DialogTemplate ParseTemplate(unsigned id, const QJsonObject& d)
{
    DialogTemplate t;
    t.id = id;
    ReadRect(d.value(u"rect"), t);
    t.caption = d.value(u"caption").toString().toStdString();
    const QJsonObject font = d.value(u"font").toObject();
    t.fontFace = font.value(u"face").toString().toStdString();
    t.fontPoints = font.value(u"points").toInt(8);
    t.styles = Strings(d.value(u"styles"));
    t.exStyles = Strings(d.value(u"exstyles"));
    for (const auto& cv : d.value(u"controls").toArray()) {
        const QJsonObject c = cv.toObject();
        ControlTemplate ct;
        ct.id = c.value(u"id").toInt(-1);
        ct.kind = KindOf(c.value(u"kind").toString());
        ct.text = c.value(u"text").toString().toStdString();
        ReadRect(c.value(u"rect"), ct);
        ct.styles = Strings(c.value(u"styles"));
        t.controls.push_back(std::move(ct));
    }
    return t;
}

} // namespace

const DialogTemplate& LoadDialogTemplate(unsigned id)
{
    static std::map<unsigned, DialogTemplate> cache;
    if (auto it = cache.find(id); it != cache.end())
        return it->second;
    const QJsonValue d = ResourceFile().value(u"dialogs").toObject().value(QString::number(id));
    if (!d.isObject())
        throw std::runtime_error("no dialog template " + std::to_string(id));
    return cache.emplace(id, ParseTemplate(id, d.toObject())).first->second;
}

std::string LoadStringResource(unsigned id)
{
    return ResourceFile().value(u"strings").toObject().value(QString::number(id)).toString().toStdString();
}

HICON LoadIconResource(unsigned id)
{
    static std::map<unsigned, std::unique_ptr<CIcon>> cache;
    if (auto it = cache.find(id); it != cache.end())
        return it->second.get();
    const QJsonArray files = ResourceFile().value(u"icons").toObject().value(QString::number(id)).toArray();
    if (files.isEmpty())
        return nullptr;
    QIcon icon;
    for (const auto& f : files)
        icon.addFile(f.toString());
    return cache.emplace(id, std::make_unique<CIcon>(icon)).first->second.get();
}

std::map<std::string, std::string> VersionStrings()
{
    std::map<std::string, std::string> out;
    const QJsonObject blocks = ResourceFile().value(u"version").toObject().value(u"StringFileInfo").toObject();
    const QJsonObject block = blocks.value(u"040904B0").toObject();
    for (auto it = block.begin(); it != block.end(); ++it)
        out[it.key().toStdString()] = it.value().toString().toStdString();
    return out;
}

static bool HasStyle(const std::vector<std::string>& styles, const char* style)
{
    return std::find(styles.begin(), styles.end(), style) != styles.end();
}

bool ControlTemplate::Has(const char* style) const { return HasStyle(styles, style); }
bool DialogTemplate::Has(const char* style) const { return HasStyle(styles, style); }

} // namespace framework
