#include "JsonReport.h"

#include "JsonWriter.h"
#include "RowTypes.h"

namespace {

void WriteBox(JsonWriter& json, int left, int top, int right, int bottom) {
    json.BeginObject();
    json.NumberField("left", left);
    json.NumberField("top", top);
    json.NumberField("right", right);
    json.NumberField("bottom", bottom);
    json.EndObject();
}

void WriteSpread(JsonWriter& json, const PixelSpread& spread) {
    json.BeginObject();
    json.NumberField("pixels", spread.pixels);
    json.Key("bounds");
    if (spread.pixels == 0)
        json.Null();
    else
        WriteBox(json, spread.bounds.left, spread.bounds.top, spread.bounds.right, spread.bounds.bottom);
    json.EndObject();
}

void WriteSkin(JsonWriter& json, const SkinCheck& check) {
    const SkinFindings& f = check.findings;
    json.NumberField("width", f.width);
    json.NumberField("height", f.height);
    json.StringField("format", check.decoding.format);
    json.NumberField("runs", f.runs);
    json.NumberField("batches", f.batches);
    json.NumberField("keptPixels", f.keptPixels);
    json.NumberField("cutPixels", f.cutPixels);
    json.Key("halo");
    WriteSpread(json, f.halo);
    json.Key("holes");
    json.BeginArray();
    for (const PixelSpread& hole : f.holes)
        WriteSpread(json, hole);
    json.EndArray();
    json.Key("translucent");
    WriteSpread(json, f.translucent);
    json.Key("rectangles");
    json.BeginArray();
    for (const Placement& placement : f.placements) {
        json.BeginObject();
        json.StringField("name", placement.name);
        json.Key("rect");
        WriteBox(json, placement.rect.left, placement.rect.top, placement.rect.right, placement.rect.bottom);
        json.BoolField("inside", placement.Inside());
        json.NumberField("cutPixels", placement.cutPixels);
        json.BoolField("beyondSkin", placement.beyondSkin);
        json.Key("overlaps");
        json.BeginArray();
        for (const std::size_t other : placement.overlapping)
            json.String(f.placements[other].name);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

void WriteBitmap(JsonWriter& json, const ButtonImage& image) {
    json.BeginObject();
    json.NumberField("id", image.id);
    json.StringField("file", image.file);
    json.BoolField("readable", image.facts.readable);
    json.NumberField("expectedWidth", image.expectedWidth);
    json.NumberField("expectedHeight", image.expectedHeight);
    if (image.facts.readable) {
        json.NumberField("width", image.facts.width);
        json.NumberField("height", image.facts.height);
        json.NumberField("depth", image.facts.depth);
        json.Key("magentaPixels");
        if (image.facts.pixelsRead)
            json.Number(image.facts.magentaPixels);
        else
            json.Null();
    } else {
        json.StringField("problem", image.facts.problem);
    }
    json.EndObject();
}

} // namespace

void WriteJsonReport(std::ostream& out, const SkinCheck& check, const std::vector<Message>& messages) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("skin");
    json.BeginObject();
    json.StringField("file", check.skinPath);
    json.BoolField("readable", check.decoding.decoded);
    json.NumberField("expectedWidth", kSkinWidth);
    json.NumberField("expectedHeight", kSkinHeight);
    if (check.decoding.decoded)
        WriteSkin(json, check);
    json.EndObject();
    json.Key("buttonImages");
    if (check.bitmapFolder.empty()) {
        json.Null();
    } else {
        json.BeginArray();
        for (const ButtonImage& image : check.bitmaps)
            WriteBitmap(json, image);
        json.EndArray();
    }
    json.Key("messages");
    json.BeginArray();
    for (const Message& message : messages) {
        json.BeginObject();
        json.StringField("severity", message.severity == Severity::Error ? "error" : "warning");
        json.StringField("text", message.text);
        json.EndObject();
    }
    json.EndArray();
    json.NumberField("exitStatus", ExitStatus(messages));
    json.EndObject();
    out << "\n";
}
