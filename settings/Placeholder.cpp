// Placeholder until the codec lands.
