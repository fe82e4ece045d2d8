// Placeholder until the windows land.
namespace obrix::ui {}
