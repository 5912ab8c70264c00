namespace burrowbop {}
