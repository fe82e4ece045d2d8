// Placeholder until the file-type association layer lands.
namespace obrix::association {}
